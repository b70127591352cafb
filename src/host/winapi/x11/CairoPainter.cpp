#include "host/winapi/x11/CairoPainter.h"
#include "host/winapi/Fonts.h"

#include <pango/pangocairo.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <string>

namespace host::x11 {

namespace {

void SetColor(cairo_t* Cr, COLORREF C) {
    cairo_set_source_rgb(Cr, GetRValue(C) / 255.0, GetGValue(C) / 255.0, GetBValue(C) / 255.0);
}

struct TFaceMap {
    const char* Face;
    const char* Family;
};

// Metric-compatible or close faces from the fonts the project installs; fontconfig falls back
// to the Noto faces for scripts these lack (Arabic, Hebrew, CJK).
const TFaceMap FaceMap[] = {
    {"MS Sans Serif", "Liberation Sans, DejaVu Sans, Noto Sans, Noto Sans CJK JP"},
    {"MS Shell Dlg", "Liberation Sans, DejaVu Sans, Noto Sans, Noto Sans CJK JP"},
    {"MS Shell Dlg 2", "Liberation Sans, DejaVu Sans, Noto Sans, Noto Sans CJK JP"},
    {"Tahoma", "DejaVu Sans, Liberation Sans, Noto Sans, Noto Sans CJK JP"},
    {"Arial", "Liberation Sans, DejaVu Sans, Noto Sans, Noto Sans CJK JP"},
    {"Segoe UI", "DejaVu Sans, Liberation Sans, Noto Sans, Noto Sans CJK JP"},
    {"Times New Roman", "Liberation Serif, DejaVu Serif, Noto Serif"},
    {"Courier New", "Liberation Mono, DejaVu Sans Mono, Noto Sans Mono"},
    {"Courier", "Liberation Mono, DejaVu Sans Mono, Noto Sans Mono"},
    {"Fixedsys", "DejaVu Sans Mono, Liberation Mono"},
    {"Terminal", "DejaVu Sans Mono, Liberation Mono"},
    {"System", "DejaVu Sans, Liberation Sans"},
};

struct TLayoutDeleter {
    void operator()(PangoLayout* L) const { g_object_unref(L); }
};
struct TFontDeleter {
    void operator()(PangoFontDescription* F) const { pango_font_description_free(F); }
};
struct TAttrDeleter {
    void operator()(PangoAttrList* A) const { pango_attr_list_unref(A); }
};

std::unique_ptr<PangoFontDescription, TFontDeleter> Describe(const LOGFONTA& Font) {
    std::unique_ptr<PangoFontDescription, TFontDeleter> D(pango_font_description_new());
    pango_font_description_set_family(D.get(), FamilyForFace(Font.lfFaceName));
    // A negative height is the character height, a positive one the cell (about 1.2 times).
    LONG Pixels = Font.lfHeight < 0 ? -Font.lfHeight : (Font.lfHeight * 5) / 6;
    if (Pixels == 0) Pixels = 11;
    pango_font_description_set_absolute_size(D.get(), double(Pixels) * PANGO_SCALE);
    pango_font_description_set_weight(D.get(), Font.lfWeight >= FW_SEMIBOLD ? PANGO_WEIGHT_BOLD
                                                                            : PANGO_WEIGHT_NORMAL);
    pango_font_description_set_style(D.get(),
                                     Font.lfItalic ? PANGO_STYLE_ITALIC : PANGO_STYLE_NORMAL);
    return D;
}

// The text without its ampersands, and the byte offset of the character to underline (-1).
std::string StripPrefix(std::string_view Text, int& Underline) {
    std::string Out;
    Underline = -1;
    for (std::size_t I = 0; I < Text.size(); ++I) {
        if (Text[I] == '&' && I + 1 < Text.size()) {
            ++I;
            if (Text[I] != '&' && Underline < 0) Underline = int(Out.size());
        }
        Out += Text[I];
    }
    return Out;
}

int NextCharLength(std::string_view S, std::size_t At) {
    const auto C = static_cast<unsigned char>(S[At]);
    if (C < 0x80) return 1;
    if ((C >> 5) == 6) return 2;
    if ((C >> 4) == 14) return 3;
    return 4;
}

} // namespace

const char* FamilyForFace(const char* Face) {
    for (const TFaceMap& M : FaceMap)
        if (strcasecmp(M.Face, Face) == 0) return M.Family;
    return *Face ? Face : FaceMap[0].Family;
}

TCairoPainter::TCairoPainter(cairo_surface_t* Surface) : FCairo(cairo_create(Surface)) {
    cairo_set_antialias(FCairo, CAIRO_ANTIALIAS_NONE);
    cairo_set_line_width(FCairo, 1.0);
}

TCairoPainter::~TCairoPainter() {
    cairo_destroy(FCairo);
}

void TCairoPainter::SetClip(const RECT& Clip) {
    cairo_reset_clip(FCairo);
    cairo_rectangle(FCairo, Clip.left, Clip.top, std::max<LONG>(0, Clip.right - Clip.left),
                    std::max<LONG>(0, Clip.bottom - Clip.top));
    cairo_clip(FCairo);
}

void TCairoPainter::FillRect(const RECT& R, COLORREF Color) {
    SetColor(FCairo, Color);
    cairo_rectangle(FCairo, R.left, R.top, R.right - R.left, R.bottom - R.top);
    cairo_fill(FCairo);
}

void TCairoPainter::Line(POINT From, POINT To, COLORREF Color) {
    SetColor(FCairo, Color);
    if (From.y == To.y) {
        const LONG L = std::min(From.x, To.x), R = std::max(From.x, To.x);
        cairo_rectangle(FCairo, L, From.y, R - L, 1);
        cairo_fill(FCairo);
    } else if (From.x == To.x) {
        const LONG T = std::min(From.y, To.y), B = std::max(From.y, To.y);
        cairo_rectangle(FCairo, From.x, T, 1, B - T);
        cairo_fill(FCairo);
    } else {
        cairo_move_to(FCairo, From.x + 0.5, From.y + 0.5);
        cairo_line_to(FCairo, To.x + 0.5, To.y + 0.5);
        cairo_stroke(FCairo);
    }
}

void TCairoPainter::Ellipse(const RECT& R, COLORREF Fill, COLORREF Outline) {
    const double W = R.right - R.left, H = R.bottom - R.top;
    if (W <= 0 || H <= 0) return;
    cairo_save(FCairo);
    cairo_set_antialias(FCairo, CAIRO_ANTIALIAS_DEFAULT);
    cairo_translate(FCairo, R.left + W / 2, R.top + H / 2);
    cairo_scale(FCairo, (W - 1) / 2, (H - 1) / 2);
    cairo_arc(FCairo, 0, 0, 1, 0, 2 * G_PI);
    cairo_restore(FCairo);
    SetColor(FCairo, Fill);
    cairo_fill_preserve(FCairo);
    SetColor(FCairo, Outline);
    cairo_save(FCairo);
    cairo_set_antialias(FCairo, CAIRO_ANTIALIAS_DEFAULT);
    cairo_stroke(FCairo);
    cairo_restore(FCairo);
}

SIZE TCairoPainter::Text(const RECT& Box, std::string_view Text, const LOGFONTA& Font,
                         COLORREF Color, UINT Format, bool Measure) {
    int Underline = -1;
    const std::string Shown =
        Format & DT_NOPREFIX ? std::string(Text) : StripPrefix(Text, Underline);
    if (Format & DT_HIDEPREFIX) Underline = -1;
    std::unique_ptr<PangoLayout, TLayoutDeleter> Layout(pango_cairo_create_layout(FCairo));
    const auto Desc = Describe(Font);
    pango_layout_set_font_description(Layout.get(), Desc.get());
    pango_layout_set_text(Layout.get(), Shown.data(), int(Shown.size()));
    std::unique_ptr<PangoAttrList, TAttrDeleter> Attrs(pango_attr_list_new());
    auto Add = [&](PangoAttribute* A, int Start, int End) {
        A->start_index = guint(Start);
        A->end_index = guint(End);
        pango_attr_list_insert(Attrs.get(), A);
    };
    if (Font.lfUnderline)
        Add(pango_attr_underline_new(PANGO_UNDERLINE_SINGLE), 0, int(Shown.size()));
    if (Font.lfStrikeOut) Add(pango_attr_strikethrough_new(true), 0, int(Shown.size()));
    if (Underline >= 0 && Underline < int(Shown.size()))
        Add(pango_attr_underline_new(PANGO_UNDERLINE_LOW), Underline,
            Underline + NextCharLength(Shown, std::size_t(Underline)));
    pango_layout_set_attributes(Layout.get(), Attrs.get());
    if (Format & DT_RTLREADING) {
        pango_layout_set_auto_dir(Layout.get(), false);
        PangoContext* Context = pango_layout_get_context(Layout.get());
        pango_context_set_base_dir(Context, PANGO_DIRECTION_RTL);
        pango_layout_context_changed(Layout.get());
    }
    const LONG BoxWidth = Box.right - Box.left;
    const bool Single = Format & DT_SINGLELINE;
    if (!Single && (Format & DT_WORDBREAK) && BoxWidth > 0) {
        pango_layout_set_width(Layout.get(), int(BoxWidth) * PANGO_SCALE);
        pango_layout_set_wrap(Layout.get(), PANGO_WRAP_WORD_CHAR);
    } else if ((Format & DT_END_ELLIPSIS) && BoxWidth > 0) {
        pango_layout_set_width(Layout.get(), int(BoxWidth) * PANGO_SCALE);
        pango_layout_set_ellipsize(Layout.get(), PANGO_ELLIPSIZE_END);
    }
    PangoRectangle Logical;
    pango_layout_get_pixel_extents(Layout.get(), nullptr, &Logical);
    const SIZE Size{Logical.width, Logical.height};
    if (Measure) return Size;
    // Alignment inside the box is ours, so one-line and wrapped texts place alike.
    const bool WrapWidth = pango_layout_get_width(Layout.get()) > 0;
    LONG X = Box.left - (WrapWidth ? 0 : Logical.x);
    if (WrapWidth) {
        pango_layout_set_alignment(Layout.get(), Format & DT_CENTER  ? PANGO_ALIGN_CENTER
                                                 : Format & DT_RIGHT ? PANGO_ALIGN_RIGHT
                                                                     : PANGO_ALIGN_LEFT);
    } else if (Format & DT_CENTER) {
        X += (BoxWidth - Size.cx) / 2;
    } else if (Format & DT_RIGHT) {
        X += BoxWidth - Size.cx;
    }
    LONG Y = Box.top;
    if (Single && (Format & DT_VCENTER)) Y += (Box.bottom - Box.top - Size.cy) / 2;
    if (Single && (Format & DT_BOTTOM)) Y = Box.bottom - Size.cy;
    SetColor(FCairo, Color);
    cairo_move_to(FCairo, X, Y);
    pango_cairo_show_layout(FCairo, Layout.get());
    return Size;
}

} // namespace host::x11
