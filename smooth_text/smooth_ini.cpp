// TSmoothEffect's settings in an ini-format QSettings store. Each integer is
// cut to its field's width as stored; values that still lie outside a
// field's range are then brought into it, since the drawing arithmetic
// assumes the ranges (an alpha or blur above 100 would overflow a byte).
#include <QSettings>
#include <algorithm>
#include <cstdint>

#include "smooth_text/smooth_settings.h"

namespace {

class IniSection {
public:
    IniSection(QSettings& store, const QString& section) : store_(store) { store_.beginGroup(section); }
    ~IniSection() { store_.endGroup(); }
    IniSection(const IniSection&) = delete;
    IniSection& operator=(const IniSection&) = delete;

    // The stored integer, or `fallback` for a missing or non-numeric key.
    // Decimal, as written: a leading 0 or 0x is no base prefix.
    long long readInteger(const char* key, long long fallback) const {
        const QVariant value = store_.value(QLatin1String(key));
        if (!value.isValid()) return fallback;
        bool ok = false;
        const long long n = value.toString().trimmed().toLongLong(&ok, 10);
        return ok ? n : fallback;
    }
    // A Boolean is a non-zero integer; "true" and "false" are read too.
    bool readBool(const char* key, bool fallback) const {
        const QString text = store_.value(QLatin1String(key)).toString().trimmed().toLower();
        if (text == QLatin1String("true")) return true;
        if (text == QLatin1String("false")) return false;
        return readInteger(key, fallback ? 1 : 0) != 0;
    }
    void writeInteger(const char* key, long long value) { store_.setValue(QLatin1String(key), value); }
    void writeBool(const char* key, bool value) { writeInteger(key, value ? 1 : 0); }

private:
    QSettings& store_;
};

// The integer cut to the width of T, as the field holds it.
template <typename T>
T truncated(long long value) {
    return static_cast<T>(static_cast<std::make_unsigned_t<T>>(static_cast<unsigned long long>(value)));
}

template <typename T>
T inRange(T value, int low, int high) {
    return static_cast<T>(std::clamp<int>(value, low, high));
}

}  // namespace

void TSmoothEffect::LoadFromIni(QSettings& store, const QString& section) {
    IniSection ini(store, section);
    alpha_ = inRange(truncated<std::uint8_t>(ini.readInteger("Alpha", alpha_)), 0, 100);
    blur_ = inRange(truncated<std::uint8_t>(ini.readInteger("Blur", blur_)), 0, 100);
    noise_ = truncated<std::uint8_t>(ini.readInteger("Noise", noise_));
    spray_ = inRange(truncated<std::uint8_t>(ini.readInteger("Spray", spray_)), 0, 100);
    angle_ = inRange(truncated<std::int16_t>(ini.readInteger("Angle", angle_)), -360, 360);
    outline_ = ini.readBool("Outline", outline_);
    horzMirror_ = ini.readBool("HorzMirror", horzMirror_);
    vertMirror_ = ini.readBool("VertMirror", vertMirror_);
    shadow_.enabled_ = ini.readBool("Shadow", shadow_.enabled_);
    shadow_.alpha_ = inRange(truncated<std::uint8_t>(ini.readInteger("ShadowAlpha", shadow_.alpha_)), 0, 100);
    shadow_.blur_ = inRange(truncated<std::uint8_t>(ini.readInteger("ShadowBlur", shadow_.blur_)), 0, 100);
    shadow_.color_ = truncated<std::uint32_t>(ini.readInteger("ShadowColor", shadow_.color_));
    shadow_.offsetX_ = inRange(truncated<std::int8_t>(ini.readInteger("ShadowOffsetX", shadow_.offsetX_)), -20, 20);
    shadow_.offsetY_ = inRange(truncated<std::int8_t>(ini.readInteger("ShadowOffsetY", shadow_.offsetY_)), -20, 20);
    gradual_.enabled_ = ini.readBool("Gradual", gradual_.enabled_);
    gradual_.startColor_ = truncated<std::uint32_t>(ini.readInteger("GradualStartColor", gradual_.startColor_));
    gradual_.endColor_ = truncated<std::uint32_t>(ini.readInteger("GradualEndColor", gradual_.endColor_));
    const std::uint8_t style = truncated<std::uint8_t>(ini.readInteger("GradualStyle", gradual_.style_));
    gradual_.style_ = style > gsCenterToTB ? gsLeftToRight : static_cast<TGradualStyle>(style);
    texture_.enabled_ = ini.readBool("Texture", texture_.enabled_);
    const std::uint8_t mode = truncated<std::uint8_t>(ini.readInteger("TextureMode", texture_.mode_));
    texture_.mode_ = mode > tmNormal ? tmTiled : static_cast<TTextureMode>(mode);
}

void TSmoothEffect::SaveToIni(QSettings& store, const QString& section) const {
    IniSection ini(store, section);
    ini.writeInteger("Alpha", alpha_);
    ini.writeInteger("Blur", blur_);
    ini.writeInteger("Noise", noise_);
    ini.writeInteger("Spray", spray_);
    ini.writeInteger("Angle", angle_);
    ini.writeBool("Outline", outline_);
    ini.writeBool("HorzMirror", horzMirror_);
    ini.writeBool("VertMirror", vertMirror_);
    ini.writeBool("Shadow", shadow_.Enabled());
    ini.writeInteger("ShadowAlpha", shadow_.alpha_);
    ini.writeInteger("ShadowBlur", shadow_.blur_);
    ini.writeInteger("ShadowColor", shadow_.color_);
    ini.writeInteger("ShadowOffsetX", shadow_.offsetX_);
    ini.writeInteger("ShadowOffsetY", shadow_.offsetY_);
    ini.writeBool("Gradual", gradual_.Enabled());
    ini.writeInteger("GradualStartColor", gradual_.startColor_);
    ini.writeInteger("GradualEndColor", gradual_.endColor_);
    ini.writeInteger("GradualStyle", gradual_.style_);
    ini.writeBool("Texture", texture_.Enabled());
    ini.writeInteger("TextureMode", texture_.mode_);
}
