// The effect settings: defaults, ranges, change reports, copying, and the
// ini store.
#include <gtest/gtest.h>

#include <QSettings>
#include <QTemporaryDir>
#include <functional>
#include <vector>

#include "smooth_text/smooth_settings.h"

namespace {

struct Reports {
    std::vector<TNotifyClass*> senders;
    TNotifyClass::TNotifyEvent callback() {
        return [this](TNotifyClass* sender) { senders.push_back(sender); };
    }
};

TEST(SmoothSettings, SettersClampIntoTheirRangeAndReportOnlyChanges) {
    struct Case {
        const char* name;
        std::function<void(TSmoothEffect&, int)> set;
        std::function<int(const TSmoothEffect&)> get;
        int low, high;
    };
    const Case cases[] = {
        {"Alpha", &TSmoothEffect::SetAlpha, &TSmoothEffect::Alpha, 0, 100},
        {"Blur", &TSmoothEffect::SetBlur, &TSmoothEffect::Blur, 0, 100},
        {"Angle", &TSmoothEffect::SetAngle, &TSmoothEffect::Angle, -360, 360},
        {"Noise", &TSmoothEffect::SetNoise, &TSmoothEffect::Noise, 0, 255},
        {"Spray", &TSmoothEffect::SetSpray, &TSmoothEffect::Spray, 0, 100},
        {"ShadowBlur", [](TSmoothEffect& e, int v) { e.Shadow().SetBlur(v); },
         [](const TSmoothEffect& e) { return e.Shadow().Blur(); }, 0, 100},
        {"ShadowAlpha", [](TSmoothEffect& e, int v) { e.Shadow().SetAlpha(v); },
         [](const TSmoothEffect& e) { return e.Shadow().Alpha(); }, 0, 100},
        {"ShadowOffsetX", [](TSmoothEffect& e, int v) { e.Shadow().SetOffsetX(v); },
         [](const TSmoothEffect& e) { return e.Shadow().OffsetX(); }, -20, 20},
        {"ShadowOffsetY", [](TSmoothEffect& e, int v) { e.Shadow().SetOffsetY(v); },
         [](const TSmoothEffect& e) { return e.Shadow().OffsetY(); }, -20, 20},
    };
    for (const Case& c : cases) {
        Reports reports;
        TSmoothEffect effect(reports.callback());
        effect.Shadow().SetEnabled(true);
        reports.senders.clear();
        c.set(effect, (c.low + c.high) / 2 + 1);  // differs from every default
        c.set(effect, c.high + 1000);
        EXPECT_EQ(c.get(effect), c.high) << c.name;
        c.set(effect, c.low - 1000);
        EXPECT_EQ(c.get(effect), c.low) << c.name;
        c.set(effect, c.low);
        EXPECT_EQ(reports.senders, std::vector<TNotifyClass*>(3, &effect)) << c.name;
    }
}

TEST(SmoothSettings, SwitchedOffObjectsReportOnlyTheirSwitch) {
    Reports reports;
    TSmoothEffect effect(reports.callback());
    effect.Shadow().SetColor(0x123456);
    effect.Gradual().SetStyle(gsBottomToTop);
    effect.Texture().Picture().SetImage(QImage(2, 2, QImage::Format_RGB32));
    EXPECT_TRUE(reports.senders.empty());
    EXPECT_EQ(effect.Shadow().Color(), 0x123456u);  // stored all the same

    effect.Texture().SetEnabled(true);
    effect.Texture().Picture().Clear();
    effect.Texture().SetMode(static_cast<TTextureMode>(9));  // out of range: tmTiled, unchanged
    effect.Texture().SetMode(tmCenter);
    effect.Texture().SetEnabled(false);
    // Reports reach the effect's callback with the effect as sender.
    EXPECT_EQ(reports.senders, std::vector<TNotifyClass*>(4, &effect));

    Reports direct;
    TSmoothShadow shadow(direct.callback());
    shadow.SetEnabled(true);
    shadow.SetBlur(5);
    EXPECT_EQ(direct.senders, std::vector<TNotifyClass*>(2, &shadow));
}

TEST(SmoothSettings, AssignCopiesEverythingWithoutReporting) {
    TSmoothEffect source;
    source.SetAngle(45);
    source.SetNoise(9);
    source.SetVertMirror(true);
    source.Shadow().SetEnabled(true);
    source.Shadow().SetOffsetX(-7);
    source.Gradual().SetEndColor(0xABCDEF);
    source.Texture().Picture().SetImage(QImage(3, 1, QImage::Format_RGB32));

    Reports reports;
    TSmoothEffect copy(reports.callback());
    copy.Assign(source);
    EXPECT_TRUE(reports.senders.empty());
    EXPECT_EQ(copy.Angle(), 45);
    EXPECT_EQ(copy.Noise(), 9);
    EXPECT_TRUE(copy.VertMirror());
    EXPECT_TRUE(copy.Shadow().Enabled());
    EXPECT_EQ(copy.Shadow().OffsetX(), -7);
    EXPECT_EQ(copy.Gradual().EndColor(), 0xABCDEFu);
    EXPECT_EQ(copy.Texture().Picture().Graphic().size(), QSize(3, 1));

    // A sibling class copies only what the two share: the switch.
    TSmoothGradual gradual;
    gradual.Assign(source.Shadow());
    EXPECT_TRUE(gradual.Enabled());
    EXPECT_EQ(gradual.EndColor(), 0u);

    copy.SetShadow(TSmoothShadow());
    EXPECT_FALSE(copy.Shadow().Enabled());
    EXPECT_EQ(reports.senders.size(), 1u);
}

struct IniFixture : testing::Test {
    QTemporaryDir dir;
    QString path() const { return dir.filePath("effect.ini"); }
};

TEST_F(IniFixture, SavedSettingsLoadBackUnreported) {
    TSmoothEffect saved;
    saved.SetAlpha(55);
    saved.SetBlur(12);
    saved.SetNoise(200);
    saved.SetSpray(3);
    saved.SetAngle(-90);
    saved.SetOutline(true);
    saved.SetHorzMirror(true);
    saved.Shadow().SetEnabled(true);
    saved.Shadow().SetAlpha(40);
    saved.Shadow().SetBlur(0);
    saved.Shadow().SetColor(0xFF000008);
    saved.Shadow().SetOffsetX(-4);
    saved.Shadow().SetOffsetY(20);
    saved.Gradual().SetEnabled(true);
    saved.Gradual().SetStartColor(0x0000FF);
    saved.Gradual().SetEndColor(0x00FF00);
    saved.Gradual().SetStyle(gsCenterToTB);
    saved.Texture().SetEnabled(true);
    saved.Texture().SetMode(tmNormal);
    {
        QSettings store(path(), QSettings::IniFormat);
        saved.SaveToIni(store, "Title");
    }
    Reports reports;
    TSmoothEffect loaded(reports.callback());
    QSettings store(path(), QSettings::IniFormat);
    loaded.LoadFromIni(store, "Title");
    EXPECT_TRUE(reports.senders.empty());
    QSettings again(path(), QSettings::IniFormat);
    // Saving what was loaded writes the same store again.
    QTemporaryDir other;
    QSettings copy(other.filePath("copy.ini"), QSettings::IniFormat);
    loaded.SaveToIni(copy, "Title");
    copy.sync();
    for (const QString& key : again.allKeys()) EXPECT_EQ(copy.value(key), again.value(key)) << key.toStdString();
    EXPECT_EQ(again.allKeys().size(), 20);
    EXPECT_EQ(loaded.Shadow().Color(), 0xFF000008u);
    EXPECT_EQ(loaded.Gradual().Style(), gsCenterToTB);
    EXPECT_EQ(loaded.Texture().Mode(), tmNormal);
    EXPECT_EQ(loaded.Angle(), -90);
}

TEST_F(IniFixture, StoredIntegersAreCutToTheFieldThenBroughtIntoRange) {
    struct Case {
        const char* key;
        const char* stored;
        std::function<long long(const TSmoothEffect&)> field;
        long long expected;
    };
    const Case cases[] = {
        {"Alpha", "300", &TSmoothEffect::Alpha, 44},  // 300 mod 256
        {"Alpha", "200", &TSmoothEffect::Alpha, 100},
        {"Blur", "-1", &TSmoothEffect::Blur, 100},
        {"Noise", "511", &TSmoothEffect::Noise, 255},
        {"Angle", "70000", &TSmoothEffect::Angle, 360},  // 70000 mod 65536 = 4464
        {"Angle", "65446", &TSmoothEffect::Angle, -90},
        {"ShadowOffsetX", "200", [](const TSmoothEffect& e) { return e.Shadow().OffsetX(); }, -20},  // -56
        {"ShadowOffsetY", "-3", [](const TSmoothEffect& e) { return e.Shadow().OffsetY(); }, -3},
        {"ShadowColor", "-16777208", [](const TSmoothEffect& e) { return e.Shadow().Color(); }, 0xFF000008},
        {"GradualStyle", "6", [](const TSmoothEffect& e) { return e.Gradual().Style(); }, gsLeftToRight},
        {"GradualStyle", "261", [](const TSmoothEffect& e) { return e.Gradual().Style(); }, gsCenterToTB},
        {"TextureMode", "4", [](const TSmoothEffect& e) { return e.Texture().Mode(); }, tmTiled},
        {"Outline", "7", &TSmoothEffect::Outline, 1},
        {"Spray", "many", &TSmoothEffect::Spray, 0},  // unreadable: the current value stays
        {"Alpha", "070", &TSmoothEffect::Alpha, 70},   // decimal, as written
        {"Spray", "0x1F", &TSmoothEffect::Spray, 0},
    };
    for (const Case& c : cases) {
        {
            QSettings store(path(), QSettings::IniFormat);
            store.clear();
            store.setValue(QStringLiteral("S/") + c.key, c.stored);
        }
        QSettings store(path(), QSettings::IniFormat);
        TSmoothEffect effect;
        effect.LoadFromIni(store, "S");
        EXPECT_EQ(c.field(effect), c.expected) << c.key << " = " << c.stored;
        EXPECT_EQ(effect.Shadow().Blur(), 80) << "a missing key keeps its value";
    }
}

}  // namespace
