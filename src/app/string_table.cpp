#include "app/string_table.h"

#include <charconv>

namespace wayloom {

std::u16string_view Text(TextId id) {
    switch (id) {
    // -- general
    case TextId::ProductName: return u"Wayloom";
    case TextId::Untitled: return u"Sin titulo";
    case TextId::StatusReady: return u"Listo";
    // -- table and model
    case TextId::StatusFitColumns: return u"Ajustar ancho de columnas...";
    case TextId::StatusUndo: return u"Deshacer la ultima accion...";
    case TextId::StatusRedo: return u"Rehacer la acción deshecha anteriormente...";
    case TextId::ColumnNameTitle: return u"Nombre";
    case TextId::ColumnLngTitle: return u"Lng";
    case TextId::ColumnLatTitle: return u"Lat";
    case TextId::ColumnOrdenTitle: return u"Orden";
    case TextId::ColumnDistanciaTitle: return u"Distancia";
    case TextId::BadLongitude: return u"El formato de coordenadas es erroneo\n\nRango de longitudes: [-180, 180]";
    case TextId::BadLatitude: return u"El formato de coordenadas es erroneo\n\nRango de latitudes: [-90, 90]";
    case TextId::EmptyName: return u"El nombre del ITN no puede estar vacío";
    // -- table and model: end
    // -- files and formats
    // -- files and formats: end
    // -- window, status bar, file commands
    // -- window, status bar, file commands: end
    // -- settings, menus, toolbar, recent files, appearance
    // -- settings, menus, toolbar, recent files, appearance: end
    }
    return u"";
}

std::u16string FormatText(std::u16string_view pattern, std::initializer_list<std::u16string_view> args) {
    std::u16string out;
    auto next = args.begin();
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == u'%' && i + 1 < pattern.size()) {
            const char16_t c = pattern[i + 1];
            if (c == u'%') {
                out += u'%';
                ++i;
                continue;
            }
            if ((c == u's' || c == u'd') && next != args.end()) {
                out += *next++;
                ++i;
                continue;
            }
        }
        out += pattern[i];
    }
    return out;
}

std::u16string FormatText(TextId id, std::initializer_list<std::u16string_view> args) {
    return FormatText(Text(id), args);
}

std::u16string NumberText(long long value) {
    char buffer[24];
    auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    return std::u16string(buffer, end);
}

std::string ToUtf8(std::u16string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        if (c >= 0xD800 && c < 0xDC00 && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] < 0xE000)
            c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
        else if (c >= 0xD800 && c < 0xE000)
            c = 0xFFFD;  // a lone surrogate
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

std::u16string FromUtf8(std::string_view text) {
    std::u16string out;
    out.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        const auto b = static_cast<unsigned char>(text[i]);
        int extra = b < 0x80 ? 0 : (b >> 5) == 6 ? 1 : (b >> 4) == 14 ? 2 : (b >> 3) == 30 ? 3 : -1;
        char32_t c = extra == 0 ? b : extra == 1 ? (b & 0x1F) : extra == 2 ? (b & 0x0F) : (b & 0x07);
        bool valid = extra >= 0 && i + static_cast<std::size_t>(extra) < text.size();
        for (int k = 1; valid && k <= extra; ++k) {
            const auto cont = static_cast<unsigned char>(text[i + k]);
            valid = (cont & 0xC0) == 0x80;
            c = (c << 6) | (cont & 0x3F);
        }
        if (!valid || c > 0x10FFFF || (c >= 0xD800 && c < 0xE000)) {
            out += u'\uFFFD';
            ++i;
            continue;
        }
        i += static_cast<std::size_t>(extra) + 1;
        if (c >= 0x10000) {
            c -= 0x10000;
            out += static_cast<char16_t>(0xD800 + (c >> 10));
            out += static_cast<char16_t>(0xDC00 + (c & 0x3FF));
        } else {
            out += static_cast<char16_t>(c);
        }
    }
    return out;
}

}  // namespace wayloom
