#!/bin/sh
# Writes the template of yaopan-cast's messages from the sources that
# compose them: the command line and the floors below it whose refusals
# and help it prints.
#   make-pot.sh SOURCE_DIR OUTPUT.pot
set -eu
source_dir=$1
output=$2
cd "$source_dir"
# Sorted, and named from the source root, so the template is the same
# wherever it is made.
ls cli/*.cpp pipeline/*.cpp moment/*.cpp casting/*.cpp | LC_ALL=C sort |
  xgettext --files-from=- --output="$output" --language=C++ --from-code=UTF-8 \
    --keyword= --keyword=Translated --keyword=N_ \
    --flag=Translated:1:pass-c-format --flag=Formatted:1:c-format \
    --add-comments=TRANSLATORS: --sort-by-file \
    --package-name=yaopan-cast --msgid-bugs-address=yaopan@example.org
