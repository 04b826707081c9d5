<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="zh_CN">
<context>
    <name>AlmanacWindow</name>
    <message>
        <location filename="../almanac_window.cpp" line="121"/>
        <location filename="../almanac_window.cpp" line="122"/>
        <source>万年历</source>
        <translation>Perpetual Calendar</translation>
    </message>
    <message>
        <location filename="../almanac_window.cpp" line="123"/>
        <source>时辰</source>
        <translation>Double hours</translation>
    </message>
    <message>
        <location filename="../almanac_window.cpp" line="124"/>
        <source>干支</source>
        <translation>Stem-branch</translation>
    </message>
    <message>
        <location filename="../almanac_window.cpp" line="124"/>
        <source>值神</source>
        <translation>Duty spirit</translation>
    </message>
    <message>
        <location filename="../almanac_window.cpp" line="124"/>
        <source>黄黑道</source>
        <translation>Yellow/black path</translation>
    </message>
    <message>
        <location filename="../almanac_window.cpp" line="125"/>
        <source>用此日起卦</source>
        <translation>Cast on this day</translation>
    </message>
    <message>
        <location filename="../almanac_window.cpp" line="159"/>
        <source>%1年%2月%3日 %4</source>
        <extracomment>The selected day: year, month, day and weekday.</extracomment>
        <translation>%4, %2/%3/%1</translation>
    </message>
    <message>
        <location filename="../almanac_window.cpp" line="160"/>
        <source>农历%1</source>
        <translation>Lunar date: %1</translation>
    </message>
    <message>
        <location filename="../almanac_window.cpp" line="170"/>
        <source>%1：</source>
        <translation>%1:</translation>
    </message>
    <message>
        <location filename="../almanac_window.cpp" line="185"/>
        <source>%1时</source>
        <translation>%1 hour</translation>
    </message>
</context>
<context>
    <name>CalendarRuleMenu</name>
    <message>
        <location filename="../calendar_rule_menu.cpp" line="19"/>
        <source>内置</source>
        <translation>Built-in</translation>
    </message>
    <message>
        <location filename="../calendar_rule_menu.cpp" line="20"/>
        <source>天文</source>
        <translation>Astronomical</translation>
    </message>
    <message>
        <location filename="../calendar_rule_menu.cpp" line="54"/>
        <source>历法</source>
        <translation>Calendar</translation>
    </message>
</context>
<context>
    <name>CastingRecorder</name>
    <message numerus="yes">
        <location filename="../casting_recorder.cpp" line="122"/>
        <source>%n 次起卦未能记录：
%1</source>
        <translation>
            <numerusform>%n casting could not be recorded:
%1</numerusform>
            <numerusform>%n castings could not be recorded:
%1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ConventionName</name>
    <message>
        <location filename="../convention_texts.cpp" line="14"/>
        <source>子时</source>
        <translation>Zi hour</translation>
    </message>
    <message>
        <location filename="../convention_texts.cpp" line="15"/>
        <source>子初换日</source>
        <translation>day turns at 23:00</translation>
    </message>
    <message>
        <location filename="../convention_texts.cpp" line="16"/>
        <source>早晚子</source>
        <translation>early and late Zi</translation>
    </message>
    <message>
        <location filename="../convention_texts.cpp" line="17"/>
        <source>子正换日</source>
        <translation>day turns at midnight</translation>
    </message>
    <message>
        <location filename="../convention_texts.cpp" line="18"/>
        <source>年月柱</source>
        <translation>Year and month pillars</translation>
    </message>
    <message>
        <location filename="../convention_texts.cpp" line="19"/>
        <source>年按立春时刻、月按交节日</source>
        <translation>year at Lichun&apos;s moment, month on the term&apos;s day</translation>
    </message>
    <message>
        <location filename="../convention_texts.cpp" line="20"/>
        <source>按交节日</source>
        <translation>on the term&apos;s day</translation>
    </message>
    <message>
        <location filename="../convention_texts.cpp" line="21"/>
        <source>按交节时刻</source>
        <translation>at the term&apos;s moment</translation>
    </message>
    <message>
        <location filename="../convention_texts.cpp" line="22"/>
        <source>年数</source>
        <translation>Year number</translation>
    </message>
    <message>
        <location filename="../convention_texts.cpp" line="23"/>
        <source>年柱地支</source>
        <translation>year pillar&apos;s branch</translation>
    </message>
    <message>
        <location filename="../convention_texts.cpp" line="24"/>
        <source>农历年地支</source>
        <translation>lunar year&apos;s branch</translation>
    </message>
    <message>
        <location filename="../convention_texts.cpp" line="25"/>
        <source>旺衰</source>
        <translation>Strength</translation>
    </message>
    <message>
        <location filename="../convention_texts.cpp" line="26"/>
        <source>按月令</source>
        <translation>by the month branch</translation>
    </message>
    <message>
        <location filename="../convention_texts.cpp" line="27"/>
        <source>按四时</source>
        <translation>by the season</translation>
    </message>
    <message>
        <location filename="../convention_texts.cpp" line="38"/>
        <source>%1%2</source>
        <extracomment>A choice&apos;s name and its value, as in 子时早晚子.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <location filename="../convention_texts.cpp" line="42"/>
        <source>口径：%1</source>
        <translation>Conventions: %1</translation>
    </message>
    <message>
        <location filename="../convention_texts.cpp" line="43"/>
        <source>，</source>
        <translation>; </translation>
    </message>
</context>
<context>
    <name>ConventionsDialog</name>
    <message>
        <location filename="../conventions_dialog.cpp" line="25"/>
        <source>23 点起就是次日：日柱、时柱和农历日期都换到次日。</source>
        <translation>From 23:00 it is the next day: the day and hour pillars and the lunar date all move to the next day.</translation>
    </message>
    <message>
        <location filename="../conventions_dialog.cpp" line="26"/>
        <source>晚子时：日柱和农历日期仍是当日，时柱取次日的子时。</source>
        <translation>Late Zi: the day pillar and the lunar date stay on this day; the hour pillar is the next day&apos;s Zi hour.</translation>
    </message>
    <message>
        <location filename="../conventions_dialog.cpp" line="27"/>
        <source>0 点才换日：23 点仍是当日，时柱是当日的子时。</source>
        <translation>The day turns only at 0:00: 23:00 is still this day, its hour pillar this day&apos;s Zi hour.</translation>
    </message>
    <message>
        <location filename="../conventions_dialog.cpp" line="33"/>
        <source>年柱拿立春时刻和当日零点比，月柱在交节那天的零点换。</source>
        <translation>The year pillar compares Lichun&apos;s moment with the day&apos;s midnight; the month pillar changes at midnight on the term&apos;s day.</translation>
    </message>
    <message>
        <location filename="../conventions_dialog.cpp" line="34"/>
        <source>年柱、月柱都在交节那天的零点换。</source>
        <translation>Both the year and the month pillar change at midnight on the term&apos;s day.</translation>
    </message>
    <message>
        <location filename="../conventions_dialog.cpp" line="35"/>
        <source>年柱、月柱都在交节的时刻换，和起卦的时、分相比。</source>
        <translation>Both the year and the month pillar change at the term&apos;s moment, compared with the hour and minute cast from.</translation>
    </message>
    <message>
        <location filename="../conventions_dialog.cpp" line="41"/>
        <source>传统起卦的年数取年柱的地支，立春换年。</source>
        <translation>Traditional casting counts the year pillar&apos;s branch; the year turns at Lichun.</translation>
    </message>
    <message>
        <location filename="../conventions_dialog.cpp" line="42"/>
        <source>传统起卦的年数取农历年的地支，正月初一换年。</source>
        <translation>Traditional casting counts the lunar year&apos;s branch; the year turns on the first day of the first lunar month.</translation>
    </message>
    <message>
        <location filename="../conventions_dialog.cpp" line="48"/>
        <source>旺衰按月柱地支（月令）论。</source>
        <translation>Strength is weighed by the month pillar&apos;s branch (the month&apos;s command).</translation>
    </message>
    <message>
        <location filename="../conventions_dialog.cpp" line="49"/>
        <source>旺衰按四时论，土旺于立春、立夏、立秋、立冬前各十八天。</source>
        <translation>Strength is weighed by the season; Earth rules the 18 days before each of Lichun, Lixia, Liqiu and Lidong.</translation>
    </message>
    <message>
        <location filename="../conventions_dialog.cpp" line="131"/>
        <source>口径</source>
        <translation>Conventions</translation>
    </message>
    <message>
        <location filename="../conventions_dialog.cpp" line="138"/>
        <source>%1：</source>
        <translation>%1:</translation>
    </message>
    <message>
        <location filename="../conventions_dialog.cpp" line="141"/>
        <source>各口径比较的时刻（节气、立春、合朔）都取自所用的历法（文件 › 历法）。
内置历表的节气是平气，与实际天象可差约三小时，也没有合朔时刻：
按时、分定分界的口径宜选“天文”；合朔的分界只在“天文”下才有。</source>
        <translation>Every moment the conventions compare (solar terms, Lichun, new moons) comes from the calendar in use (File › Calendar).
The built-in table&apos;s solar terms are mean terms, up to about three hours from the sky&apos;s, and it holds no new moons:
conventions that turn on the hour and minute are best read under “Astronomical”; new-moon boundaries exist only there.</translation>
    </message>
</context>
<context>
    <name>EngineMessage</name>
    <message>
        <location filename="../engine_message.cpp" line="15"/>
        <source>参数错误：请输入汉字！</source>
        <translation>Invalid input: please enter Chinese characters.</translation>
    </message>
    <message>
        <location filename="../engine_message.cpp" line="16"/>
        <source>参数错误：请输入汉字姓名！</source>
        <translation>Invalid input: please enter a name in Chinese characters.</translation>
    </message>
    <message>
        <location filename="../engine_message.cpp" line="17"/>
        <source>参数错误：请检查是否输入完整！</source>
        <translation>Invalid input: please check that everything is filled in.</translation>
    </message>
    <message>
        <location filename="../engine_message.cpp" line="18"/>
        <source>参数错误：时须在%1到%2之间！</source>
        <translation>Invalid input: the hour must be between %1 and %2.</translation>
    </message>
    <message>
        <location filename="../engine_message.cpp" line="19"/>
        <source>参数错误：日期须在%1年1月1日到%2年12月31日之间！</source>
        <translation>Invalid input: the date must lie between %1-01-01 and %2-12-31.</translation>
    </message>
    <message>
        <location filename="../engine_message.cpp" line="20"/>
        <source>参数错误：23时是次日的子时，次日已超出%1年1月1日到%2年12月31日的历法范围！</source>
        <translation>Invalid input: hour 23 is the Zi hour of the next day, and the next day lies outside the calendar (%1-01-01 to %2-12-31).</translation>
    </message>
    <message>
        <location filename="../engine_message.cpp" line="21"/>
        <source>参数错误：1900年1月31日之前没有农历日期，传统起卦要用农历月日，请改用其他起卦方式！</source>
        <translation>Invalid input: there is no lunar date before 1900-01-31, and the traditional method counts the lunar month and day; please choose another method.</translation>
    </message>
    <message>
        <location filename="../engine_message.cpp" line="24"/>
        <source>参数错误：无法计算笔画的字：%1</source>
        <translation>Invalid input: cannot count the strokes of: %1</translation>
    </message>
    <message>
        <location filename="../engine_message.cpp" line="25"/>
        <source>校正后的起卦时刻 %1 超出历法范围（1900-01-01 至 2100-12-31，23时算作次日）</source>
        <translation>The corrected moment %1 lies outside the calendar (1900-01-01 to 2100-12-31, hour 23 counting as the next day).</translation>
    </message>
    <message>
        <location filename="../engine_message.cpp" line="27"/>
        <source>真太阳时须有经度或地点</source>
        <translation>True solar time needs a longitude or a place.</translation>
    </message>
    <message>
        <location filename="../engine_message.cpp" line="28"/>
        <source>经度须在-180到180之间</source>
        <translation>The longitude must be between -180 and 180.</translation>
    </message>
    <message>
        <location filename="../engine_message.cpp" line="29"/>
        <source>不认识时区 %1</source>
        <translation>Unknown time zone %1</translation>
    </message>
    <message>
        <location filename="../engine_message.cpp" line="30"/>
        <source>时钟读数 %1 从未出现：%2 的钟表在此拨快，跳过了这段时间</source>
        <translation>The clock reading %1 never occurred: clocks in %2 were put forward here, skipping this time</translation>
    </message>
    <message>
        <location filename="../engine_message.cpp" line="32"/>
        <source>起卦记录%1的格式编号（%2）不是本程序认得的，可能由较新版本的程序写成；本程序只读取它，不会改动它，新的起卦也不会记录。</source>
        <translation>The journal %1 has a format number (%2) this program does not know; a newer version may have written it. It is only read, never changed, and new castings are not recorded.</translation>
    </message>
    <message>
        <location filename="../engine_message.cpp" line="35"/>
        <source>起卦记录%1的格式编号（%2）不是本程序认得的；本程序只读取它，不会改动它，新的起卦也不会记录。</source>
        <translation>The journal %1 has a format number (%2) this program does not know. It is only read, never changed, and new castings are not recorded.</translation>
    </message>
    <message>
        <location filename="../engine_message.cpp" line="37"/>
        <source>起卦记录%1无法写入（%2），新的起卦不会记录；起卦照常进行。</source>
        <translation>The journal %1 cannot be written (%2): new castings are not recorded; casting goes on as usual.</translation>
    </message>
    <message>
        <location filename="../engine_message.cpp" line="38"/>
        <source>起卦记录%1无法写入（%2）；已存的记录完好无损。</source>
        <translation>The journal %1 cannot be written (%2); the castings already stored are intact.</translation>
    </message>
    <message>
        <location filename="../engine_message.cpp" line="39"/>
        <source>起卦记录%1无法读取（%2）。</source>
        <translation>The journal %1 cannot be read (%2).</translation>
    </message>
    <message>
        <location filename="../engine_message.cpp" line="40"/>
        <source>起卦记录%1无法读取，已改名为%2留存，并新建了一份记录。</source>
        <translation>The journal %1 could not be read; it was kept as %2 and a new journal was started.</translation>
    </message>
    <message>
        <location filename="../engine_message.cpp" line="41"/>
        <source>磁盘已满，起卦记录%1写不进去；已存的记录完好无损。</source>
        <translation>The disk is full: the journal %1 cannot be written; the castings already stored are intact.</translation>
    </message>
    <message>
        <location filename="../engine_message.cpp" line="42"/>
        <source>起卦记录%1正被其他程序占用，这次没有写入，请稍后再试。</source>
        <translation>The journal %1 is in use by another program; this casting was not written. Please try again later.</translation>
    </message>
    <message>
        <location filename="../engine_message.cpp" line="43"/>
        <source>这条起卦记录已不存在。</source>
        <translation>This casting is no longer in the journal.</translation>
    </message>
    <message>
        <location filename="../engine_message.cpp" line="44"/>
        <source>只读</source>
        <translation>read-only</translation>
    </message>
    <message>
        <location filename="../engine_message.cpp" line="45"/>
        <source>未能打开</source>
        <translation>could not be opened</translation>
    </message>
    <message>
        <location filename="../engine_message.cpp" line="46"/>
        <source>它是符号链接，为免写到别处，不经由它读写</source>
        <translation>it is a symbolic link, not followed so that nothing is written elsewhere</translation>
    </message>
</context>
<context>
    <name>HistoryModel</name>
    <message>
        <location filename="../history_model.cpp" line="26"/>
        <source>起卦时刻：%1</source>
        <translation>Cast from: %1</translation>
    </message>
    <message>
        <location filename="../history_model.cpp" line="30"/>
        <source>西经%1°</source>
        <translation>%1° W</translation>
    </message>
    <message>
        <location filename="../history_model.cpp" line="30"/>
        <source>东经%1°</source>
        <translation>%1° E</translation>
    </message>
    <message>
        <location filename="../history_model.cpp" line="32"/>
        <source>真太阳时：%1</source>
        <translation>True solar time: %1</translation>
    </message>
    <message>
        <location filename="../history_model.cpp" line="237"/>
        <source>时间</source>
        <translation>Time</translation>
    </message>
    <message>
        <location filename="../history_model.cpp" line="237"/>
        <source>姓名</source>
        <translation>Name</translation>
    </message>
    <message>
        <location filename="../history_model.cpp" line="238"/>
        <source>起卦方式</source>
        <translation>Method</translation>
    </message>
    <message>
        <location filename="../history_model.cpp" line="238"/>
        <source>问话</source>
        <translation>Question</translation>
    </message>
    <message>
        <location filename="../history_model.cpp" line="239"/>
        <source>本卦 → 变卦</source>
        <translation>Primary → Changed</translation>
    </message>
    <message>
        <location filename="../history_model.cpp" line="239"/>
        <source>备注</source>
        <translation>Note</translation>
    </message>
</context>
<context>
    <name>HistoryWindow</name>
    <message>
        <location filename="../history_window.cpp" line="66"/>
        <source>起卦记录读取出错：%1</source>
        <translation>The journal of castings could not be read: %1</translation>
    </message>
    <message>
        <location filename="../history_window.cpp" line="83"/>
        <source>历史记录</source>
        <translation>History</translation>
    </message>
    <message>
        <location filename="../history_window.cpp" line="84"/>
        <source>搜索</source>
        <translation>Search</translation>
    </message>
    <message>
        <location filename="../history_window.cpp" line="85"/>
        <source>搜索姓名、问话、备注、卦名</source>
        <translation>Search names, questions, notes, hexagram names</translation>
    </message>
    <message>
        <location filename="../history_window.cpp" line="87"/>
        <source>打开</source>
        <translation>Open</translation>
    </message>
    <message>
        <location filename="../history_window.cpp" line="87"/>
        <source>备注…</source>
        <translation>Note…</translation>
    </message>
    <message>
        <location filename="../history_window.cpp" line="87"/>
        <source>删除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <location filename="../history_window.cpp" line="87"/>
        <source>导出…</source>
        <translation>Export…</translation>
    </message>
    <message>
        <location filename="../history_window.cpp" line="121"/>
        <source>备注：</source>
        <translation>Note:</translation>
    </message>
    <message>
        <location filename="../history_window.cpp" line="133"/>
        <source>删除这次起卦的记录（%1）？删除后无法恢复。</source>
        <translation>Delete the record of this casting (%1)? It cannot be undone.</translation>
    </message>
    <message>
        <location filename="../history_window.cpp" line="143"/>
        <source>导出起卦记录</source>
        <translation>Export Castings</translation>
    </message>
    <message>
        <location filename="../history_window.cpp" line="143"/>
        <source>起卦记录</source>
        <translation>castings</translation>
    </message>
    <message>
        <location filename="../history_window.cpp" line="148"/>
        <source>起卦记录无法写入“%1”。</source>
        <translation>The castings could not be written to “%1”.</translation>
    </message>
</context>
<context>
    <name>MethodName</name>
    <message>
        <location filename="../history_model.cpp" line="77"/>
        <source>传统起卦</source>
        <translation>Traditional</translation>
    </message>
    <message>
        <location filename="../history_model.cpp" line="77"/>
        <source>时分起卦</source>
        <translation>Hour and minute</translation>
    </message>
    <message>
        <location filename="../history_model.cpp" line="78"/>
        <source>日期天干数起卦</source>
        <translation>Date, stem numbers</translation>
    </message>
    <message>
        <location filename="../history_model.cpp" line="78"/>
        <source>日期地支数起卦</source>
        <translation>Date, branch numbers</translation>
    </message>
    <message>
        <location filename="../history_model.cpp" line="79"/>
        <source>问话字的笔画数起卦</source>
        <translation>Question&apos;s strokes</translation>
    </message>
    <message>
        <location filename="../history_model.cpp" line="79"/>
        <source>单字笔画数起卦</source>
        <translation>Character&apos;s strokes</translation>
    </message>
    <message>
        <location filename="../history_model.cpp" line="80"/>
        <source>姓名笔画数起卦</source>
        <translation>Name&apos;s strokes</translation>
    </message>
    <message>
        <location filename="../history_model.cpp" line="80"/>
        <source>手工指定起卦</source>
        <translation>Manual</translation>
    </message>
    <message>
        <location filename="../history_model.cpp" line="81"/>
        <source>数字起卦</source>
        <translation>Numbers</translation>
    </message>
</context>
<context>
    <name>ReadingHeading</name>
    <message>
        <location filename="../reading_headings.cpp" line="9"/>
        <source>【时间】</source>
        <translation>【Time】</translation>
    </message>
    <message>
        <location filename="../reading_headings.cpp" line="9"/>
        <source>【笔画】</source>
        <translation>【Strokes】</translation>
    </message>
    <message>
        <location filename="../reading_headings.cpp" line="10"/>
        <source>【卦】</source>
        <translation>【Hexagrams】</translation>
    </message>
    <message>
        <location filename="../reading_headings.cpp" line="10"/>
        <source>【体用】</source>
        <translation>【Body and Use】</translation>
    </message>
    <message>
        <location filename="../reading_headings.cpp" line="11"/>
        <source>【生克】</source>
        <translation>【Generating and Overcoming】</translation>
    </message>
    <message>
        <location filename="../reading_headings.cpp" line="11"/>
        <source>【旺衰】</source>
        <translation>【Strength】</translation>
    </message>
    <message>
        <location filename="../reading_headings.cpp" line="12"/>
        <source>【经文】</source>
        <translation>【Classic Texts】</translation>
    </message>
    <message>
        <location filename="../reading_headings.cpp" line="12"/>
        <source>【六爻】</source>
        <translation>【Six Lines】</translation>
    </message>
</context>
<context>
    <name>ReferencePanel</name>
    <message>
        <location filename="../reference_panel.cpp" line="111"/>
        <source>八卦干支开悟图</source>
        <translation>Chart of Trigrams, Stems and Branches</translation>
    </message>
</context>
<context>
    <name>ReportFile</name>
    <message>
        <location filename="../report_file.cpp" line="22"/>
        <source>文本 (*.txt)</source>
        <translation>Text (*.txt)</translation>
    </message>
    <message>
        <location filename="../report_file.cpp" line="23"/>
        <source>PNG 图片 (*.png)</source>
        <translation>PNG image (*.png)</translation>
    </message>
    <message>
        <location filename="../report_file.cpp" line="58"/>
        <source>起卦报告</source>
        <translation>Casting report</translation>
    </message>
    <message>
        <location filename="../report_file.cpp" line="152"/>
        <source>导出报告</source>
        <translation>Export report</translation>
    </message>
    <message>
        <location filename="../report_file.cpp" line="164"/>
        <source>报告无法写入“%1”。</source>
        <translation>The report could not be written to “%1”.</translation>
    </message>
</context>
<context>
    <name>ReportHeading</name>
    <message>
        <location filename="../report_heading.cpp" line="16"/>
        <source>未填</source>
        <translation>not given</translation>
    </message>
    <message>
        <location filename="../report_heading.cpp" line="28"/>
        <source>问话：“%1”</source>
        <translation>Question: “%1”</translation>
    </message>
    <message>
        <location filename="../report_heading.cpp" line="30"/>
        <source>汉字：“%1”</source>
        <translation>Character: “%1”</translation>
    </message>
    <message>
        <location filename="../report_heading.cpp" line="31"/>
        <source>数字：%1</source>
        <translation>Number: %1</translation>
    </message>
    <message>
        <location filename="../report_heading.cpp" line="33"/>
        <source>上卦：%1&#x3000;下卦：%2&#x3000;动爻：第%3爻</source>
        <translation>Upper: %1   Lower: %2   Moving line: %3</translation>
    </message>
    <message>
        <location filename="../report_heading.cpp" line="37"/>
        <source>时钟分钟：%1</source>
        <translation>Clock minute: %1</translation>
    </message>
    <message>
        <location filename="../report_heading.cpp" line="100"/>
        <source>%1&#x3000;起卦报告</source>
        <translation>%1   Casting Report</translation>
    </message>
    <message>
        <location filename="../report_heading.cpp" line="101"/>
        <source>姓名：%1&#x3000;性别：%2&#x3000;年龄：%3</source>
        <translation>Name: %1   Sex: %2   Age: %3</translation>
    </message>
    <message>
        <location filename="../report_heading.cpp" line="103"/>
        <source>时间：公历%1年%2月%3日%4时</source>
        <translation>Time: %1-%2-%3, hour %4 (Gregorian)</translation>
    </message>
    <message>
        <location filename="../report_heading.cpp" line="108"/>
        <source>起卦方式：%1</source>
        <translation>Method: %1</translation>
    </message>
    <message>
        <location filename="../report_heading.cpp" line="109"/>
        <source>起卦方式：%1&#x3000;%2</source>
        <translation>Method: %1   %2</translation>
    </message>
    <message>
        <location filename="../report_heading.cpp" line="110"/>
        <source>历法：天文（真实天象的节气与朔日）</source>
        <translation>Calendar: astronomical (solar terms and new moons of the true sky)</translation>
    </message>
    <message>
        <location filename="../report_heading.cpp" line="111"/>
        <source>历法：内置（农历表与平气节气）</source>
        <translation>Calendar: built-in (lunar table and mean solar terms)</translation>
    </message>
</context>
<context>
    <name>SaveFile</name>
    <message>
        <location filename="../save_file.cpp" line="32"/>
        <source>“%1”已存在，要替换它吗？</source>
        <translation>“%1” already exists. Replace it?</translation>
    </message>
</context>
<context>
    <name>ShellServices</name>
    <message>
        <location filename="../shell_services.cpp" line="18"/>
        <source>爻盘 · 梅花易数起卦</source>
        <translation>Yaopan · Plum Blossom Numerology</translation>
    </message>
    <message>
        <location filename="../shell_services.cpp" line="29"/>
        <source>提示</source>
        <translation>Notice</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <location filename="../main_window.cpp" line="101"/>
        <source>卦象</source>
        <translation>Hexagrams</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="115"/>
        <source>八卦干支开悟图</source>
        <translation>Chart of Trigrams, Stems and Branches</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="209"/>
        <source>文件</source>
        <translation>File</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="216"/>
        <source>时间校正…</source>
        <translation>Time Correction…</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="218"/>
        <source>口径…</source>
        <translation>Conventions…</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="222"/>
        <source>查询</source>
        <translation>Look Up</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="225"/>
        <source>万年历…</source>
        <translation>Perpetual Calendar…</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="228"/>
        <source>帮助</source>
        <translation>Help</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="230"/>
        <location filename="../main_window.cpp" line="786"/>
        <source>问题反馈</source>
        <translation>Feedback</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="232"/>
        <location filename="../main_window.cpp" line="787"/>
        <source>关于我们</source>
        <translation>About Us</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="234"/>
        <location filename="../main_window.cpp" line="788"/>
        <source>理论机制</source>
        <translation>Theory</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="236"/>
        <source>最新软件</source>
        <translation>Latest Software</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="239"/>
        <source>启动时打开主页</source>
        <translation>Open Home Page at Start</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="244"/>
        <source>语言</source>
        <translation>Language</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="261"/>
        <source>时间</source>
        <translation>Time</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="263"/>
        <source>计算</source>
        <translation>Compute</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="264"/>
        <source>本卦</source>
        <translation>Primary</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="265"/>
        <source>互卦</source>
        <translation>Nuclear</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="266"/>
        <source>变卦</source>
        <translation>Changed</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="267"/>
        <source>错卦</source>
        <translation>Opposite</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="268"/>
        <source>综卦</source>
        <translation>Reversed</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="269"/>
        <source>运行</source>
        <translation>Run</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="274"/>
        <source>试验</source>
        <translation>Trial</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="283"/>
        <source>全选</source>
        <translation>Select All</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="284"/>
        <source>复制</source>
        <translation>Copy</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="285"/>
        <source>显示象意</source>
        <translation>Show Trigram Images</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="286"/>
        <source>显示开悟图</source>
        <translation>Show the Chart</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="287"/>
        <source>显示解卦</source>
        <translation>Show the Reading</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="300"/>
        <source>导出报告…</source>
        <translation>Export Report…</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="302"/>
        <source>打印…</source>
        <translation>Print…</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="305"/>
        <source>记录起卦</source>
        <translation>Record Castings</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="311"/>
        <source>退出</source>
        <translation>Quit</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="313"/>
        <source>历史记录…</source>
        <translation>History…</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="333"/>
        <source>工具箱</source>
        <translation>Toolbox</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="350"/>
        <source>时间起卦法</source>
        <translation>By time</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="351"/>
        <source>传统起卦</source>
        <translation>Traditional</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="352"/>
        <source>天干起卦</source>
        <translation>Stems</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="353"/>
        <source>时分起卦</source>
        <translation>Clock</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="354"/>
        <source>地支起卦</source>
        <translation>Branches</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="355"/>
        <source>姓名起卦法</source>
        <translation>By name</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="356"/>
        <source>姓名起卦</source>
        <translation>Name</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="357"/>
        <source>单字起卦</source>
        <translation>Character</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="358"/>
        <source>问话起卦法</source>
        <translation>By question</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="359"/>
        <source>问话起卦</source>
        <translation>Question</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="360"/>
        <source>自定起卦法</source>
        <translation>By choice</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="361"/>
        <source>自定起卦</source>
        <translation>Manual</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="362"/>
        <source>报数起卦</source>
        <translation>Number</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="382"/>
        <source>姓名：</source>
        <translation>Name:</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="384"/>
        <source>性别：</source>
        <translation>Sex:</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="386"/>
        <location filename="../main_window.cpp" line="410"/>
        <source>男</source>
        <translation>M</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="388"/>
        <location filename="../main_window.cpp" line="411"/>
        <source>女</source>
        <translation>F</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="389"/>
        <source>年龄：</source>
        <translation>Age:</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="392"/>
        <source>公历： </source>
        <translation>Date: </translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="394"/>
        <location filename="../main_window.cpp" line="413"/>
        <source>年</source>
        <translation>y</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="396"/>
        <location filename="../main_window.cpp" line="414"/>
        <source>月</source>
        <translation>m</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="398"/>
        <location filename="../main_window.cpp" line="415"/>
        <source>日</source>
        <translation>d</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="400"/>
        <location filename="../main_window.cpp" line="416"/>
        <source>时</source>
        <translation>h</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="402"/>
        <location filename="../main_window.cpp" line="417"/>
        <source>分</source>
        <translation>min</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="409"/>
        <source>姓名</source>
        <translation>Name</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="412"/>
        <source>年龄</source>
        <translation>Age</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="467"/>
        <source>确认起卦</source>
        <translation>Cast</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="479"/>
        <source>问话</source>
        <translation>Question</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="481"/>
        <source>汉字</source>
        <translation>Chinese character</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="482"/>
        <source>数字</source>
        <translation>Number</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="490"/>
        <source>乾</source>
        <translation>Qian</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="490"/>
        <source>兑</source>
        <translation>Dui</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="490"/>
        <source>离</source>
        <translation>Li</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="491"/>
        <source>震</source>
        <translation>Zhen</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="491"/>
        <source>巽</source>
        <translation>Xun</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="491"/>
        <source>坎</source>
        <translation>Kan</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="492"/>
        <source>艮</source>
        <translation>Gen</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="492"/>
        <source>坤</source>
        <translation>Kun</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="493"/>
        <source>初爻</source>
        <translation>Line 1</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="493"/>
        <source>二爻</source>
        <translation>Line 2</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="493"/>
        <source>三爻</source>
        <translation>Line 3</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="494"/>
        <source>四爻</source>
        <translation>Line 4</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="494"/>
        <source>五爻</source>
        <translation>Line 5</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="494"/>
        <source>六爻</source>
        <translation>Line 6</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="509"/>
        <source>上卦：</source>
        <translation>Upper:</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="509"/>
        <source>上卦</source>
        <translation>Upper trigram</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="510"/>
        <source>下卦：</source>
        <translation>Lower:</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="510"/>
        <source>下卦</source>
        <translation>Lower trigram</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="511"/>
        <source>动爻：</source>
        <translation>Line:</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="511"/>
        <source>动爻</source>
        <translation>Moving line</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="518"/>
        <source>输入问话内容：</source>
        <translation>Your question:</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="518"/>
        <source>例如：猜我吃的什么</source>
        <translation>e.g. 猜我吃的什么 (guess what I ate)</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="520"/>
        <source>请输入一个汉字：</source>
        <translation>One Chinese character:</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="520"/>
        <source>可以用做测字</source>
        <translation>for reading a character</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="522"/>
        <source>请输入数字：</source>
        <translation>Enter a number:</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="523"/>
        <source>例如：QQ号吗 手机号码等</source>
        <translation>e.g. a QQ or phone number</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="789"/>
        <source>最新成果</source>
        <translation>Latest Work</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="841"/>
        <source>起卦记录未开启：本程序默认不存档，起卦不会记录。
要开启“文件 › 记录起卦”，记录今后的起卦，并打开历史记录吗？</source>
        <translation>Recording is off: by default the program keeps nothing, and castings are not recorded.
Turn on “File › Record Castings” to record castings from now on, and open the history?</translation>
    </message>
</context>
<context>
    <name>TForm2</name>
    <message>
        <location filename="../information_dialog.cpp" line="79"/>
        <source>问题反馈</source>
        <translation>Feedback</translation>
    </message>
    <message>
        <location filename="../information_dialog.cpp" line="79"/>
        <location filename="../information_dialog.cpp" line="173"/>
        <source>关于我们</source>
        <translation>About Us</translation>
    </message>
    <message>
        <location filename="../information_dialog.cpp" line="79"/>
        <source>验证机制</source>
        <translation>Verification</translation>
    </message>
    <message>
        <location filename="../information_dialog.cpp" line="80"/>
        <source>最新软件</source>
        <translation>Latest Software</translation>
    </message>
    <message>
        <location filename="../information_dialog.cpp" line="101"/>
        <source>理论验证</source>
        <translation>Verifying the theory</translation>
    </message>
    <message>
        <location filename="../information_dialog.cpp" line="101"/>
        <source>典籍对照</source>
        <translation>Against the classics</translation>
    </message>
    <message>
        <location filename="../information_dialog.cpp" line="101"/>
        <source>程序测试</source>
        <translation>Program tests</translation>
    </message>
    <message>
        <location filename="../information_dialog.cpp" line="101"/>
        <source>案例复核</source>
        <translation>Case review</translation>
    </message>
    <message>
        <location filename="../information_dialog.cpp" line="135"/>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
    <message>
        <location filename="../information_dialog.cpp" line="162"/>
        <source>简介</source>
        <translation>Introduction</translation>
    </message>
    <message>
        <location filename="../information_dialog.cpp" line="164"/>
        <source>作者博客：</source>
        <translation>Blog: </translation>
    </message>
    <message>
        <location filename="../information_dialog.cpp" line="166"/>
        <source>作品小店：</source>
        <translation>Shop: </translation>
    </message>
    <message>
        <location filename="../information_dialog.cpp" line="115"/>
        <source>版本</source>
        <translation>Version</translation>
    </message>
    <message>
        <location filename="../information_dialog.cpp" line="190"/>
        <source>理论验证机制</source>
        <translation>How the Theory Is Verified</translation>
    </message>
    <message>
        <location filename="../information_dialog.cpp" line="203"/>
        <source>最新成果</source>
        <translation>Latest Work</translation>
    </message>
</context>
<context>
    <name>TimeCorrectionDialog</name>
    <message>
        <location filename="../time_correction_dialog.cpp" line="32"/>
        <source>西经%1°</source>
        <translation>%1° W</translation>
    </message>
    <message>
        <location filename="../time_correction_dialog.cpp" line="33"/>
        <source>东经%1°</source>
        <translation>%1° E</translation>
    </message>
    <message>
        <location filename="../time_correction_dialog.cpp" line="46"/>
        <source>真太阳时要知道地点：请输入地名，或输入经度（东经为正）。</source>
        <translation>True solar time needs a place: enter a place&apos;s name, or a longitude (east positive).</translation>
    </message>
    <message>
        <location filename="../time_correction_dialog.cpp" line="51"/>
        <source>经度应在 −180 到 180 之间（东经为正，西经为负），不是 %1。</source>
        <translation>The longitude must be between −180 and 180 (east positive, west negative), not %1.</translation>
    </message>
    <message>
        <location filename="../time_correction_dialog.cpp" line="57"/>
        <source>地点列表里没有“%1”。请从列出的地点中选一个，或直接输入经度。</source>
        <translation>“%1” is not in the list of places. Choose one of the places offered, or enter a longitude.</translation>
    </message>
    <message>
        <location filename="../time_correction_dialog.cpp" line="65"/>
        <source>“%1”有%2处同名；可选：%3</source>
        <translation>%2 places are called “%1”; choose one of: %3</translation>
    </message>
    <message>
        <location filename="../time_correction_dialog.cpp" line="166"/>
        <source>时间校正</source>
        <translation>Time Correction</translation>
    </message>
    <message>
        <location filename="../time_correction_dialog.cpp" line="167"/>
        <source>真太阳时</source>
        <translation>True solar time</translation>
    </message>
    <message>
        <location filename="../time_correction_dialog.cpp" line="168"/>
        <source>按起卦地的经度和均时差，把北京时间换成当地的真太阳时。</source>
        <translation>Turns Beijing time into the place&apos;s true solar time by its longitude and the equation of time.</translation>
    </message>
    <message>
        <location filename="../time_correction_dialog.cpp" line="169"/>
        <source>地点或经度：</source>
        <translation>Place or longitude:</translation>
    </message>
    <message>
        <location filename="../time_correction_dialog.cpp" line="170"/>
        <source>地点或经度</source>
        <translation>Place or longitude</translation>
    </message>
    <message>
        <location filename="../time_correction_dialog.cpp" line="171"/>
        <source>地名，如 喀什市；或经度，如 75.99</source>
        <translation>A place, e.g. 喀什市; or a longitude, e.g. 75.99</translation>
    </message>
    <message>
        <location filename="../time_correction_dialog.cpp" line="172"/>
        <source>经度在 −180 到 180 之间，东经为正；钟表读数按北京时间算。</source>
        <translation>Longitude from −180 to 180, east positive; the clock is read as Beijing time.</translation>
    </message>
    <message>
        <location filename="../time_correction_dialog.cpp" line="173"/>
        <source>夏令时</source>
        <translation>Summer time</translation>
    </message>
    <message>
        <location filename="../time_correction_dialog.cpp" line="174"/>
        <source>钟表读数在夏令时内（如1986—1991年的夏天），先拨回标准时间。</source>
        <translation>A clock reading within summer time (as in the summers of 1986–1991) is first turned back to standard time.</translation>
    </message>
</context>
</TS>
