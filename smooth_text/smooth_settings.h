// The settings of the text effects. Every setter ignores an unchanged value;
// a changed one is stored (clamped into its range) and reported through the
// object's change callback. Objects that can be switched off report only
// while switched on, except for the switch itself. The effect owns its
// shadow, gradient and texture and passes their reports on as its own.
#pragma once

#include <QImage>
#include <QString>
#include <cstdint>
#include <functional>

#include "smooth_text/smooth_surface.h"

class QSettings;

class TNotifyClass {
public:
    using TNotifyEvent = std::function<void(TNotifyClass* sender)>;

    explicit TNotifyClass(TNotifyEvent onChange = {}) : onChange_(std::move(onChange)) {}
    virtual ~TNotifyClass() = default;
    TNotifyClass(const TNotifyClass&) = delete;
    TNotifyClass& operator=(const TNotifyClass&) = delete;

    // Copies the settings the two objects' classes share, without
    // reporting; the change callback is never copied.
    virtual void Assign(const TNotifyClass& source);

    // Reports a change through the dispatch.
    void Changed() { DoChange(); }

    const TNotifyEvent& OnChange() const { return onChange_; }
    void SetOnChange(TNotifyEvent onChange) { onChange_ = std::move(onChange); }

protected:
    // The change dispatch: calls the callback, if any, with this object.
    virtual void DoChange();

private:
    TNotifyEvent onChange_;
};

class TEnabledClass : public TNotifyClass {
public:
    using TNotifyClass::TNotifyClass;
    void Assign(const TNotifyClass& source) override;

    bool Enabled() const { return enabled_; }
    // Reports every change, also the switch-off.
    void SetEnabled(bool enabled);

protected:
    // Reports only while enabled.
    void DoChange() override;

private:
    friend class TSmoothEffect;  // reads stored settings without reporting
    bool enabled_ = false;
};

class TSmoothShadow : public TEnabledClass {
public:
    using TEnabledClass::TEnabledClass;
    void Assign(const TNotifyClass& source) override;

    int Blur() const { return blur_; }  // 0 to 100
    void SetBlur(int blur);
    int Alpha() const { return alpha_; }  // 0 to 100
    void SetAlpha(int alpha);
    TColor Color() const { return color_; }
    void SetColor(TColor color);
    int OffsetX() const { return offsetX_; }  // -20 to 20
    void SetOffsetX(int offset);
    int OffsetY() const { return offsetY_; }  // -20 to 20
    void SetOffsetY(int offset);

private:
    friend class TSmoothEffect;
    std::uint8_t blur_ = 80;
    std::uint8_t alpha_ = 70;
    TColor color_ = 0x444444;
    std::int8_t offsetX_ = 2;
    std::int8_t offsetY_ = 2;
};

enum TGradualStyle { gsLeftToRight, gsRightToLeft, gsTopToBottom, gsBottomToTop, gsCenterToLR, gsCenterToTB };

class TSmoothGradual : public TEnabledClass {
public:
    using TEnabledClass::TEnabledClass;
    void Assign(const TNotifyClass& source) override;

    TGradualStyle Style() const { return style_; }
    // A value outside the enumeration is gsLeftToRight.
    void SetStyle(TGradualStyle style);
    TColor StartColor() const { return startColor_; }
    void SetStartColor(TColor color);
    TColor EndColor() const { return endColor_; }
    void SetEndColor(TColor color);

private:
    friend class TSmoothEffect;
    TGradualStyle style_ = gsLeftToRight;
    TColor startColor_ = 0xFFFFFF;
    TColor endColor_ = 0;
};

// A texture's picture: an image, or an icon (which stretches differently),
// or nothing. Every change is reported.
class TSmoothPicture {
public:
    bool IsEmpty() const { return graphic_.isNull(); }
    bool IsIcon() const { return icon_; }
    const QImage& Graphic() const { return graphic_; }
    void SetImage(const QImage& image) { set(image, false); }
    void SetIcon(const QImage& icon) { set(icon, true); }
    void Clear() { set(QImage(), false); }
    // Copies the graphic without reporting.
    void Assign(const TSmoothPicture& source) {
        graphic_ = source.graphic_;
        icon_ = source.icon_;
    }

    std::function<void()> OnChange;

private:
    void set(const QImage& graphic, bool icon) {
        graphic_ = graphic;
        icon_ = icon;
        if (OnChange) OnChange();
    }
    QImage graphic_;
    bool icon_ = false;
};

enum TTextureMode { tmTiled, tmStretched, tmCenter, tmNormal };

class TSmoothTexture : public TEnabledClass {
public:
    explicit TSmoothTexture(TNotifyEvent onChange = {});
    void Assign(const TNotifyClass& source) override;

    TTextureMode Mode() const { return mode_; }
    // A value outside the enumeration is tmTiled.
    void SetMode(TTextureMode mode);
    TSmoothPicture& Picture() { return picture_; }
    const TSmoothPicture& Picture() const { return picture_; }
    // Copies the picture and reports.
    void SetPicture(const TSmoothPicture& picture);

private:
    friend class TSmoothEffect;
    TSmoothPicture picture_;
    TTextureMode mode_ = tmTiled;
};

class TSmoothEffect : public TNotifyClass {
public:
    explicit TSmoothEffect(TNotifyEvent onChange = {});
    void Assign(const TNotifyClass& source) override;

    // The setters of the three objects copy the given settings and report.
    TSmoothShadow& Shadow() { return shadow_; }
    const TSmoothShadow& Shadow() const { return shadow_; }
    void SetShadow(const TSmoothShadow& shadow);
    TSmoothGradual& Gradual() { return gradual_; }
    const TSmoothGradual& Gradual() const { return gradual_; }
    void SetGradual(const TSmoothGradual& gradual);
    TSmoothTexture& Texture() { return texture_; }
    const TSmoothTexture& Texture() const { return texture_; }
    void SetTexture(const TSmoothTexture& texture);

    int Alpha() const { return alpha_; }  // 0 to 100
    void SetAlpha(int alpha);
    int Blur() const { return blur_; }  // 0 to 100
    void SetBlur(int blur);
    int Angle() const { return angle_; }  // degrees, -360 to 360
    void SetAngle(int angle);
    int Noise() const { return noise_; }  // 0 to 255
    void SetNoise(int noise);
    int Spray() const { return spray_; }  // 0 to 100
    void SetSpray(int spray);
    bool Outline() const { return outline_; }
    void SetOutline(bool outline);
    bool HorzMirror() const { return horzMirror_; }
    void SetHorzMirror(bool mirror);
    bool VertMirror() const { return vertMirror_; }
    void SetVertMirror(bool mirror);

    // Reads or writes the settings under `section` of an ini-format store.
    // Reading keeps the current value of a missing or unreadable key and
    // reports nothing. The texture's picture is not stored.
    void LoadFromIni(QSettings& store, const QString& section);
    void SaveToIni(QSettings& store, const QString& section) const;

private:
    TSmoothShadow shadow_;
    TSmoothGradual gradual_;
    TSmoothTexture texture_;
    std::uint8_t alpha_ = 100;
    std::uint8_t blur_ = 0;
    std::int16_t angle_ = 0;
    std::uint8_t noise_ = 0;
    std::uint8_t spray_ = 0;
    bool outline_ = false;
    bool horzMirror_ = false;
    bool vertMirror_ = false;
};
