#include "smooth_font_ex.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

#include "smooth_text/smooth_effects.h"
#include "smooth_text/smooth_fill.h"

namespace {

// Sets a surface field for a scope and puts the old value back at its end,
// also when the scope is left by an exception.
template <typename T>
class Restore {
public:
    Restore(T& field, T value) : field_(field), saved_(std::exchange(field, value)) {}
    explicit Restore(T& field) : field_(field), saved_(field) {}
    ~Restore() { field_ = saved_; }
    Restore(const Restore&) = delete;
    Restore& operator=(const Restore&) = delete;

private:
    T& field_;
    T saved_;
};

}  // namespace

TSmoothFontEx::TSmoothFontEx(TSmoothSurface* surface) : TSmoothFont(surface) {}

TSmoothFontEx::~TSmoothFontEx() = default;

int TSmoothFontEx::textEscapement() const {
    return effect_.Angle() != 0 ? effect_.Angle() * 10 : Surface()->Escapement;
}

TSmoothMaskRequest TSmoothFontEx::MaskRequest(std::string_view gbk) const {
    const TSmoothSurface* surface = Surface();
    if (!surface) return {};
    return {surface->Font, textEscapement(), Quality(), std::string(gbk)};
}

QSize TSmoothFontEx::TextExtent(std::string_view gbk) {
    QSize size(0, 0);
    if (TSmoothSurface* surface = Surface()) {
        Restore<int> rotated(surface->Escapement, textEscapement());
        size = TSmoothFont::TextExtent(gbk);
    }
    const TSmoothShadow& shadow = effect_.Shadow();
    if (shadow.Enabled()) size += QSize(std::abs(shadow.OffsetX()), std::abs(shadow.OffsetY()));
    return size;
}

void TSmoothFontEx::TextOut(int x, int y, std::string_view gbk) {
    TSmoothSurface* surface = Surface();
    if (!surface || gbk.empty()) return;
    Restore<int> escapement(surface->Escapement, textEscapement());

    // The shadow lies (OffsetX, OffsetY) from the text; both stay inside the
    // box TextExtent reports.
    const TSmoothShadow& shadow = effect_.Shadow();
    QPoint textAt(x, y);
    QPoint shadowAt(x, y);
    if (shadow.Enabled()) {
        textAt += QPoint(std::max(-shadow.OffsetX(), 0), std::max(-shadow.OffsetY(), 0));
        shadowAt += QPoint(std::max(shadow.OffsetX(), 0), std::max(shadow.OffsetY(), 0));
    }

    TSmoothMask& mask = Mask();
    mask.DrawMask(gbk);
    if (effect_.Outline()) OutlineMask(mask);
    if (effect_.Spray() > 0) SprayMask(mask, effect_.Spray());
    if (effect_.HorzMirror()) MirrorMaskHorizontally(mask);
    if (effect_.VertMirror()) MirrorMaskVertically(mask);

    Restore<TBrushStyle> brushStyle(surface->BrushStyle);
    if (shadow.Enabled()) {
        TSmoothMask shadowMask;
        shadowMask.Assign(mask);
        if (shadow.Blur() > 0) BlurMask(shadowMask, shadow.Blur());
        Blend().Blend(shadowAt.x(), shadowAt.y(), shadow.Color(), shadow.Alpha() * effect_.Alpha() / 100, shadowMask);
        // The text must not paint an opaque box over its shadow.
        surface->BrushStyle = bsClear;
    }

    if (effect_.Blur() > 0) BlurMask(mask, effect_.Blur());

    const QColor fontColor = surface->Resolve(surface->FontColor);
    const TSmoothTexture& texture = effect_.Texture();
    const TSmoothGradual& gradual = effect_.Gradual();
    QImage& fore = Blend().ForeBmp();
    if (texture.Enabled() && !texture.Picture().IsEmpty()) {
        fore = TextureForeBmp(mask.Width(), mask.Height(), fontColor, texture.Picture(), texture.Mode(),
                              surface->Resolve(kSystemWindowText));
        if (effect_.Noise() > 0) AddNoise(fore, effect_.Noise());
    } else if (gradual.Enabled()) {
        fore = GradientForeBmp(mask.Width(), mask.Height(), gradual.Style(), surface->Resolve(gradual.StartColor()),
                               surface->Resolve(gradual.EndColor()));
        if (effect_.Noise() > 0) AddNoise(fore, effect_.Noise());
    } else if (effect_.Noise() > 0) {
        fore = NoisyColorForeBmp(mask.Width(), mask.Height(), fontColor, effect_.Noise());
    } else {
        Blend().Blend(textAt.x(), textAt.y(), surface->FontColor, effect_.Alpha(), mask);
        return;
    }
    Blend().BlendEx(textAt.x(), textAt.y(), effect_.Alpha(), mask);
}
