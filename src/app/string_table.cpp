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
    case TextId::FileContentWrong: return u"El contenido del archivo es incorrecto\n\n%s";
    case TextId::FileContentUnknown: return u"El contenido del archivo es desconocido\n\n%s";
    case TextId::DiskWriteDenied: return u"Acceso denegado al disco\nNo se puede guardar el archivo\n\n%s";
    case TextId::FileCannotOpen: return u"No se puede abrir el archivo\n\n%s";
    case TextId::FileNoMemory: return u"Espacio de memoria insuficiente\nNo puede terminar la operación del archivo\n\n%s";
    case TextId::FileCannotRead: return u"No se puede leer el archivo\n\n%s";
    case TextId::FileCannotSave: return u"No se puede guardar el archivo\n\n%s";
    case TextId::FileReadOnlyRetry: return u"Archivo de sólo lectura\n\n%s\n\nVuelva a intentar guardar el archivo?";
    case TextId::DeviceLimitQuestion: return u"Sólo el primer %d ITNs puede ser accesible por el dispositivo GPS\n¿Desea guardar el archivo de todos modos?";
    case TextId::DuplicatesDropped: return u"Eliminados %d ITNs duplicados";
    case TextId::ProgressReading: return u"Leyendo datos del archivo...  %d%%";
    case TextId::ProgressWriting: return u"Escribiendo datos en archivo...  %d%%";
    case TextId::ProgressImporting: return u"Importando datos del archivo...  %d%%";
    case TextId::ProgressExporting: return u"Exportando datos del archivo...  %d%%";
    case TextId::ProgressFavorites: return u"Leyendo datos de Favoritos...  %d%%";
    case TextId::FavoriteLabel: return u"Favorito";
    case TextId::HomeLabel: return u"Casa";
    case TextId::RecentDestinationLabel: return u"Destino reciente";
    case TextId::DuplicateDialogTitle: return u"Duplicados de Nombre ITNs";
    case TextId::DuplicateDialogExists: return u"El nombre del ITN ya existe";
    case TextId::DuplicateDialogHow: return u"Como procesar los datos de ITN?";
    case TextId::DuplicateDrop: return u"Eliminar";
    case TextId::DuplicateDropAll: return u"Eliminar Todo";
    case TextId::DuplicateKeep: return u"Guardar";
    case TextId::DuplicateKeepAll: return u"Guardar Todo";
    case TextId::SameFileDialogTitle: return u"Mismos Nombres de Archivos";
    case TextId::SameFileExists: return u"El nombre del archivo ya existe";
    case TextId::SameFileOverwrite: return u"Sobreescribir con el nuevo archivo?";
    case TextId::SameFileYes: return u"&Sí";
    case TextId::SameFileYesToAll: return u"Sí a &Todo";
    case TextId::SameFileNo: return u"&No";
    case TextId::SameFileNoToAll: return u"N&o a Todo";
    case TextId::SameFileCancel: return u"Cancelar";
    case TextId::ConvertingFiles: return u"Convertir ficheros...";
    case TextId::ConvertProgress: return u"Convertidos %d ficheros, convertir: %s, presione Esc para detener...";
    case TextId::ConvertedCount: return u"Convertidos %d ficheros";
    case TextId::DiskStructureWrong: return u"Estructura del disco es incorrecto\nNo se puede finalizar la operación de archivo";
    case TextId::FavoritesTitle: return u"Favorites";
    case TextId::ConvertTargetKml: return u"kml";
    case TextId::ConvertTargetGpx: return u"gpx";
    case TextId::ConvertTargetCsvAnsi: return u"csv (ANSI)";
    case TextId::ConvertTargetCsvUnicode: return u"csv (Unicode)";
    case TextId::ConvertTargetCsvUtf8: return u"csv (UTF-8)";
    case TextId::ConvertTargetAscAnsi: return u"asc (ANSI)";
    case TextId::ConvertTargetAscUnicode: return u"asc (Unicode)";
    case TextId::ConvertTargetAscUtf8: return u"asc (UTF-8)";
    case TextId::ConvertTargetPoiAnsi: return u"poi (ANSI)";
    case TextId::ConvertTargetPoiUnicode: return u"poi (Unicode)";
    case TextId::ConvertTargetPoiUtf8: return u"poi (UTF-8)";
    case TextId::ConvertTargetTxtAnsi: return u"txt (ANSI)";
    case TextId::ConvertTargetTxtUnicode: return u"txt (Unicode)";
    case TextId::ConvertTargetTxtUtf8: return u"txt (UTF-8)";
    // -- files and formats: end
    // -- window, status bar, file commands
    case TextId::MainClassName: return u"WayloomEd";
    case TextId::SiblingClassName: return u"PinloomEd";
    case TextId::SiblingProductName: return u"Pinloom";
    case TextId::CreditWrittenBy: return u"Wayloom developers";
    case TextId::CreditTranslatedBy: return u"Wayloom developers";
    case TextId::StartupFailWindows: return u"Error de la aplicación\nNo se puede crear ventanas requeridas";
    case TextId::InfoPanePattern: return u"  %s  %d - %d / %d  ";
    case TextId::InfoPaneLabel: return u"ITN";
    case TextId::SplitterHint: return u"Haga doble clic en el botón izquierdo para cerrar el panel de Google Maps";
    case TextId::ButtonOk: return u"Aceptar";
    case TextId::ButtonCancel: return u"Cancelar";
    case TextId::ButtonYes: return u"Sí";
    case TextId::ButtonNo: return u"No";
    case TextId::DialogOpenTitle: return u"Abrir";
    case TextId::DialogSaveAsTitle: return u"Guardar Como";
    case TextId::DialogImportTitle: return u"Importar";
    case TextId::DialogExportTitle: return u"Exportar";
    case TextId::FilterItn: return u"Fichero TomTom ITN";
    case TextId::FilterKml: return u"Fichero Google Earth";
    case TextId::FilterGpx: return u"Fichero GPS Exchange";
    case TextId::FilterGpi: return u"Fichero Garmin POI";
    case TextId::FilterCommaText: return u"Fichero Texto, Separado por Coma";
    case TextId::FilterOpelNavi: return u"Fichero Opel Navi, Separado por Coma";
    case TextId::FilterTabText: return u"Fichero Texto, Separado por Tab";
    case TextId::FilterCommaTextAnsi: return u"Fichero Texto, ANSI Separado por Coma";
    case TextId::FilterCommaTextUnicode: return u"Fichero Texto, Unicode Separado por Coma";
    case TextId::FilterCommaTextUtf8: return u"Fichero Texto, UTF-8 Separado por Coma";
    case TextId::FilterOpelNaviAnsi: return u"Fichero Opel Navi, ANSI Separado por Coma";
    case TextId::FilterOpelNaviUnicode: return u"Fichero Opel Navi, Unicode Separado por Coma";
    case TextId::FilterOpelNaviUtf8: return u"Fichero Opel Navi, UTF-8 Separado por Coma";
    case TextId::FilterTabTextAnsi: return u"Fichero Texto, ANSI Separado por Tab";
    case TextId::FilterTabTextUnicode: return u"Fichero Texto, Unicode Separado por Tab";
    case TextId::FilterTabTextUtf8: return u"Fichero Texto, UTF-8 Separado por Tab";
    case TextId::DiscardEmptyQuestion: return u"Cancelar el archivo ITN actual?\n\n%s";
    case TextId::SaveChangesQuestion: return u"Guarda el archivo actual?\n\n%s";
    case TextId::DropUnsupportedExtension: return u"La extensión de archivo no es compatible\n\n%s";
    case TextId::DropSeveralFiles: return u"Sólo puede abrir un archivo de ITN";
    // -- window, status bar, file commands: end
    // -- settings, menus, toolbar, recent files, appearance
    case TextId::OptionsTitle: return u"Opciones";
    case TextId::OptionsGroupGeneral: return u"General";
    case TextId::OptionsGroupMaps: return u"Google Maps";
    case TextId::OptionsLanguageLabel: return u"Idioma:";
    case TextId::OptionLabelShowMenuBar: return u"Ver barra menú";
    case TextId::OptionLabelShowToolbar: return u"Ver barra herramientas";
    case TextId::OptionLabelLargeToolbar: return u"Barra herramientas larga";
    case TextId::OptionLabelWrapToolbar: return u"Auto barra herramientas";
    case TextId::OptionLabelLngFirst: return u"Columna Lng delante";
    case TextId::OptionLabelDmsFormat: return u"Coordenadas formato g°m's\"";
    case TextId::OptionLabelCompassDirection: return u"Coordenadas con direcciones";
    case TextId::OptionLabelAutoColumn: return u"Ajuste auto ancho de columna";
    case TextId::OptionLabelRecentFile: return u"Archivos recientes";
    case TextId::OptionLabelFadeWindow: return u"Fundir in/out ventanas";
    case TextId::OptionLabelShadeTable: return u"Tapiz color en columnas";
    case TextId::OptionLabelShowDistance: return u"Ver columna Distancia";
    case TextId::OptionLabelMetricUnit: return u"Usar U. metrica en distancias";
    case TextId::OptionLabelShowStatusBar: return u"Ver barra de estado";
    case TextId::OptionLabelCheckName: return u"Ver duplicados nombre ITN";
    case TextId::OptionLabelAutoBP: return u"Auto insertar Mi ITN Base";
    case TextId::OptionLabelOpenLast: return u"Auto abrir archivo reciente";
    case TextId::OptionLabelBackupFile: return u"Guardar archivo";
    case TextId::OptionLabelGoogleMapsCookie: return u"Usar configuracion de Cookies";
    case TextId::OptionLabelGoogleMapsName: return u"Actualizar info Nombre";
    case TextId::OptionLabelGoogleMapsRoute: return u"Destellar IQ Routes";
    case TextId::LanguageSpain: return u"España";
    case TextId::LanguageUsa: return u"USA";
    case TextId::LanguageUk: return u"UK";
    case TextId::LanguageAustralia: return u"Australia";
    case TextId::LanguageTaiwan: return u"Taiwan";
    case TextId::LanguageChina: return u"China";
    case TextId::LanguageFrance: return u"France";
    case TextId::LanguageGermany: return u"Germany";
    case TextId::LanguageJapan: return u"Japan";
    case TextId::BadFileCount: return u"El número de la lista de archivos es erroneo\n\nRango de lista: [1, 9]";
    case TextId::BadBackupInterval: return u"El intervalo de tiempo para guardar el archivo es erroneo\n\nRange de intervalo: [1, 99] minutos";
    case TextId::OpenRecentHelp: return u"Abrir ultimo archivo";
    case TextId::DesktopFolderName: return u"Escritorio";
    case TextId::DocumentsFolderName: return u"Mis Documentos";
    case TextId::MenuFile: return u"Archivo";
    case TextId::MenuItn: return u"ITN";
    case TextId::MenuPlan: return u"Plan";
    case TextId::MenuTools: return u"Herramientas";
    case TextId::MenuHelp: return u"Ayuda";
    case TextId::MenuFileHelp: return u"Actualiza un archivo de ITN y salir de la aplicacion";
    case TextId::MenuItnHelp: return u"Edita el contenido de los datos de ITN";
    case TextId::MenuPlanHelp: return u"Mover o marcar la posicion de ITNs";
    case TextId::MenuToolsHelp: return u"Actualizaciones de las efemerides o cambiar las opciones de la aplicacion";
    case TextId::MenuHelpHelp: return u"Explora la informacion sobre la aplicacion";
    case TextId::PopupLargeIcons: return u"Iconos Grandes";
    case TextId::PopupWrapToolbar: return u"Auto Barra Herramientas";
    case TextId::PopupToolbarColour: return u"Color Fondo...";
    case TextId::PopupCustomize: return u"Personalizar...";
    case TextId::CustomizeTitle: return u"Personalizar barra de herramientas";
    case TextId::CustomizeAvailable: return u"Botones disponibles:";
    case TextId::CustomizeCurrent: return u"Botones de la barra de herramientas:";
    case TextId::CustomizeAdd: return u"Agregar ->";
    case TextId::CustomizeRemove: return u"<- Quitar";
    case TextId::CustomizeReset: return u"Restablecer";
    case TextId::CustomizeUp: return u"Subir";
    case TextId::CustomizeDown: return u"Bajar";
    case TextId::CustomizeClose: return u"Cerrar";
    case TextId::CustomizeSpacing: return u"Espacio:";
    case TextId::CustomizeSeparator: return u"Separador";
    case TextId::FontApplying: return u"Ajuste tipo letra en pantalla del panel de trabajo...";
    case TextId::FontColourLabel: return u"Color:";
    case TextId::ColourBlack: return u"Negro";
    case TextId::ColourMaroon: return u"Granate";
    case TextId::ColourGreen: return u"Verde";
    case TextId::ColourOlive: return u"Verde oliva";
    case TextId::ColourNavy: return u"Azul marino";
    case TextId::ColourPurple: return u"Morado";
    case TextId::ColourTeal: return u"Verde azulado";
    case TextId::ColourGrey: return u"Gris";
    case TextId::ColourSilver: return u"Plata";
    case TextId::ColourRed: return u"Rojo";
    case TextId::ColourLime: return u"Lima";
    case TextId::ColourYellow: return u"Amarillo";
    case TextId::ColourBlue: return u"Azul";
    case TextId::ColourFuchsia: return u"Fucsia";
    case TextId::ColourAqua: return u"Aguamarina";
    case TextId::ColourWhite: return u"Blanco";
    case TextId::PictureFilter: return u"Archivos de Imagen";
    case TextId::PictureTitle: return u"Panel Background";
    case TextId::ApplyButton: return u"&Aplicar";
    case TextId::MailFailed: return u"No se puede ejecutar la aplicación de correo electrónico predeterminado";
    case TextId::AboutTitle: return u"Acerca de Wayloom";
    case TextId::AboutVersion: return u"Versión %s";
    case TextId::AboutDescription: return u"Editor de itinerarios para navegadores TomTom";
    case TextId::AboutAddress: return u"wayloom.example.org";
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
    ToUtf8(text, out);
    return out;
}

std::u16string FromUtf8(std::string_view text) {
    std::u16string out;
    FromUtf8(text, out);
    return out;
}

void ToUtf8(std::u16string_view text, std::string& out) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        // A run of ASCII, the common case, is narrowed in one go.
        std::size_t run = i;
        while (run < text.size() && text[run] < 0x80) ++run;
        if (run > i) {
            const std::size_t at = out.size();
            out.resize(at + (run - i));
            for (std::size_t k = i; k < run; ++k) out[at + k - i] = static_cast<char>(text[k]);
            i = run;
            if (i == text.size()) break;
        }
        char32_t c = text[i];
        if (c >= 0xD800 && c < 0xDC00 && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] < 0xE000)
            c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
        else if (c >= 0xD800 && c < 0xE000)
            c = 0xFFFD;  // a lone surrogate
        if (c < 0x800) {
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
}

void FromUtf8(std::string_view text, std::u16string& out) {
    std::size_t i = 0;
    while (i < text.size()) {
        // A run of ASCII, the common case, is widened without the sequence checks.
        std::size_t run = i;
        while (run < text.size() && static_cast<unsigned char>(text[run]) < 0x80) ++run;
        if (run > i) {
            const std::size_t at = out.size();
            out.resize(at + (run - i));
            for (std::size_t k = i; k < run; ++k) out[at + k - i] = static_cast<char16_t>(text[k]);
            i = run;
            continue;
        }
        const auto b = static_cast<unsigned char>(text[i]);
        int extra = (b >> 5) == 6 ? 1 : (b >> 4) == 14 ? 2 : (b >> 3) == 30 ? 3 : -1;
        char32_t c = extra == 1 ? (b & 0x1F) : extra == 2 ? (b & 0x0F) : (b & 0x07);
        bool valid = extra >= 0 && i + static_cast<std::size_t>(extra) < text.size();
        for (int k = 1; valid && k <= extra; ++k) {
            const auto cont = static_cast<unsigned char>(text[i + k]);
            valid = (cont & 0xC0) == 0x80;
            c = (c << 6) | (cont & 0x3F);
        }
        // Overlong forms (C0 80 for U+0000 and the like) are malformed, as the standard says.
        static constexpr char32_t Smallest[] = {0, 0x80, 0x800, 0x10000};
        if (!valid || c < Smallest[extra] || c > 0x10FFFF || (c >= 0xD800 && c < 0xE000)) {
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
}

}  // namespace wayloom
