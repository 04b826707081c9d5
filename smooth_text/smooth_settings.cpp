#include "smooth_settings.h"

#include <algorithm>

namespace {

// Stores `value` into `field` and reports, unless nothing changes.
template <typename Field, typename Value>
void assignAndReport(TNotifyClass& owner, Field& field, Value value) {
    const Field stored = static_cast<Field>(value);
    if (field == stored) return;
    field = stored;
    owner.Changed();
}

}  // namespace

void TNotifyClass::Assign(const TNotifyClass&) {}

void TNotifyClass::DoChange() {
    if (onChange_) onChange_(this);
}

void TEnabledClass::Assign(const TNotifyClass& source) {
    TNotifyClass::Assign(source);
    if (const auto* s = dynamic_cast<const TEnabledClass*>(&source)) enabled_ = s->enabled_;
}

void TEnabledClass::SetEnabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    TNotifyClass::DoChange();
}

void TEnabledClass::DoChange() {
    if (enabled_) TNotifyClass::DoChange();
}

void TSmoothShadow::Assign(const TNotifyClass& source) {
    TEnabledClass::Assign(source);
    if (const auto* s = dynamic_cast<const TSmoothShadow*>(&source)) {
        blur_ = s->blur_;
        alpha_ = s->alpha_;
        color_ = s->color_;
        offsetX_ = s->offsetX_;
        offsetY_ = s->offsetY_;
    }
}

void TSmoothShadow::SetBlur(int blur) { assignAndReport(*this, blur_, std::clamp(blur, 0, 100)); }
void TSmoothShadow::SetAlpha(int alpha) { assignAndReport(*this, alpha_, std::clamp(alpha, 0, 100)); }
void TSmoothShadow::SetColor(TColor color) { assignAndReport(*this, color_, color); }
void TSmoothShadow::SetOffsetX(int offset) { assignAndReport(*this, offsetX_, std::clamp(offset, -20, 20)); }
void TSmoothShadow::SetOffsetY(int offset) { assignAndReport(*this, offsetY_, std::clamp(offset, -20, 20)); }

void TSmoothGradual::Assign(const TNotifyClass& source) {
    TEnabledClass::Assign(source);
    if (const auto* s = dynamic_cast<const TSmoothGradual*>(&source)) {
        style_ = s->style_;
        startColor_ = s->startColor_;
        endColor_ = s->endColor_;
    }
}

void TSmoothGradual::SetStyle(TGradualStyle style) {
    if (style < gsLeftToRight || style > gsCenterToTB) style = gsLeftToRight;
    assignAndReport(*this, style_, style);
}
void TSmoothGradual::SetStartColor(TColor color) { assignAndReport(*this, startColor_, color); }
void TSmoothGradual::SetEndColor(TColor color) { assignAndReport(*this, endColor_, color); }

TSmoothTexture::TSmoothTexture(TNotifyEvent onChange) : TEnabledClass(std::move(onChange)) {
    picture_.OnChange = [this] { Changed(); };
}

void TSmoothTexture::Assign(const TNotifyClass& source) {
    TEnabledClass::Assign(source);
    if (const auto* s = dynamic_cast<const TSmoothTexture*>(&source)) {
        picture_.Assign(s->picture_);
        mode_ = s->mode_;
    }
}

void TSmoothTexture::SetMode(TTextureMode mode) {
    if (mode < tmTiled || mode > tmNormal) mode = tmTiled;
    assignAndReport(*this, mode_, mode);
}

void TSmoothTexture::SetPicture(const TSmoothPicture& picture) {
    picture_.Assign(picture);
    Changed();
}

TSmoothEffect::TSmoothEffect(TNotifyEvent onChange) : TNotifyClass(std::move(onChange)) {
    // The owned objects' reports become the effect's own.
    const TNotifyEvent relay = [this](TNotifyClass*) { DoChange(); };
    shadow_.SetOnChange(relay);
    gradual_.SetOnChange(relay);
    texture_.SetOnChange(relay);
}

void TSmoothEffect::Assign(const TNotifyClass& source) {
    TNotifyClass::Assign(source);
    const auto* s = dynamic_cast<const TSmoothEffect*>(&source);
    if (!s || s == this) return;
    shadow_.Assign(s->shadow_);
    gradual_.Assign(s->gradual_);
    texture_.Assign(s->texture_);
    alpha_ = s->alpha_;
    blur_ = s->blur_;
    angle_ = s->angle_;
    noise_ = s->noise_;
    spray_ = s->spray_;
    outline_ = s->outline_;
    horzMirror_ = s->horzMirror_;
    vertMirror_ = s->vertMirror_;
}

void TSmoothEffect::SetShadow(const TSmoothShadow& shadow) {
    shadow_.Assign(shadow);
    Changed();
}
void TSmoothEffect::SetGradual(const TSmoothGradual& gradual) {
    gradual_.Assign(gradual);
    Changed();
}
void TSmoothEffect::SetTexture(const TSmoothTexture& texture) {
    texture_.Assign(texture);
    Changed();
}

void TSmoothEffect::SetAlpha(int alpha) { assignAndReport(*this, alpha_, std::clamp(alpha, 0, 100)); }
void TSmoothEffect::SetBlur(int blur) { assignAndReport(*this, blur_, std::clamp(blur, 0, 100)); }
void TSmoothEffect::SetAngle(int angle) { assignAndReport(*this, angle_, std::clamp(angle, -360, 360)); }
void TSmoothEffect::SetNoise(int noise) { assignAndReport(*this, noise_, std::clamp(noise, 0, 255)); }
void TSmoothEffect::SetSpray(int spray) { assignAndReport(*this, spray_, std::clamp(spray, 0, 100)); }
void TSmoothEffect::SetOutline(bool outline) { assignAndReport(*this, outline_, outline); }
void TSmoothEffect::SetHorzMirror(bool mirror) { assignAndReport(*this, horzMirror_, mirror); }
void TSmoothEffect::SetVertMirror(bool mirror) { assignAndReport(*this, vertMirror_, mirror); }
