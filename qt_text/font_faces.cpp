#include "font_faces.h"

#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>

#include <array>

namespace {

struct FaceSubstitution {
    const char16_t* face;
    std::array<const char16_t*, 4> candidates;  // best first; unused slots null
};

// Latin faces go to a metric-similar Latin family first and a CJK family
// second, so their Chinese characters still come from Noto CJK.
constexpr std::array kSubstitutions{
    FaceSubstitution{u"宋体", {u"Noto Serif CJK SC", u"Noto Sans CJK SC", nullptr, nullptr}},
    FaceSubstitution{u"SimSun", {u"Noto Serif CJK SC", u"Noto Sans CJK SC", nullptr, nullptr}},
    FaceSubstitution{u"Arial Black", {u"DejaVu Sans", u"Liberation Sans", u"Noto Sans CJK SC", nullptr}},
    FaceSubstitution{u"Arial", {u"Liberation Sans", u"DejaVu Sans", u"Noto Sans CJK SC", nullptr}},
    FaceSubstitution{u"Times New Roman", {u"Liberation Serif", u"DejaVu Serif", u"Noto Serif CJK SC", nullptr}},
};

}  // namespace

QStringList SubstitutesOfFace(const QString& face) {
    QStringList installed;
    for (const auto& entry : kSubstitutions) {
        if (face.compare(QString::fromUtf16(entry.face), Qt::CaseInsensitive) != 0) continue;
        for (const char16_t* candidate : entry.candidates) {
            if (candidate == nullptr) break;
            const QString family = QString::fromUtf16(candidate);
            if (QFontDatabase::hasFamily(family)) installed << family;
        }
    }
    return installed;
}

void InstallFontSubstitutions() {
    static bool installed = false;
    // The font database needs the GUI application; without one, wait for a
    // later call.
    if (installed || qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr) return;
    installed = true;
    for (const auto& entry : kSubstitutions) {
        const QString face = QString::fromUtf16(entry.face);
        QFont::removeSubstitutions(face);
        const QStringList families = SubstitutesOfFace(face);
        if (!families.isEmpty()) QFont::insertSubstitutions(face, families);
    }
}

void UseChineseFaceAsDefault() {
    const QString chinese = QStringLiteral("Noto Sans CJK SC");
    if (!QFontDatabase::hasFamily(chinese)) return;
    QFont font = QGuiApplication::font();
    font.setFamilies({chinese});
    QGuiApplication::setFont(font);
}
