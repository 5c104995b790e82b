#include "app/command_texts.h"

#include <algorithm>

namespace wayloom {

namespace {

// In command order, so that lookups can search by halving.
constexpr CommandText Texts[] = {
    {1000, u"Nuevo", u"Ctrl+N", u"Nuevo (Ctrl+N)", u"Crear archivo nuevo ITN"},
    {1001, u"Abrir...", u"Ctrl+O", u"Abrir (Ctrl+O)", u"Abrir archibo existente de ITN"},
    {1002, u"Abrir Favoritos...", u"Alt+R", u"Abrir Favoritos (Alt+R)", u"Abrir Favoritos desde dispositivo GPS (Nav2)"},
    {1003, u"Guardar", u"Ctrl+S", u"Guardar (Ctrl+S)", u"Guarda el archivo ITN actual"},
    {1004, u"Guardar Como...", u"Alt+S", u"Guardar Como (Alt+S)", u"Guarda el archivo ITN actual con un nuevo nombre"},
    {1005, u"Importar...", u"Ctrl+I", u"Importar (Ctrl+I)", u"Importa un archivo existente como nuevos ITNs"},
    {1006, u"Exportar...", u"Ctrl+E", u"Exportar (Ctrl+E)", u"Exportar ITN seleccionado como un archivo nuevo"},
    {1007, u"Convertir Formatos...", u"Alt+B", u"Convertir Formatos (Alt+B)", u"Convierte formatos de archivo para TomTom"},
    {1008, u"Salir", u"Alt+F4", u"", u"Cierra el archivo de ITN actual y cierra la aplicacion"},
    {1009, u"Deshacer", u"Ctrl+Z", u"Deshacer (Ctrl+Z)", u"Deshacer la ultima accion"},
    {1010, u"Rehacer", u"Ctrl+Y", u"Rehacer (Ctrl+Y)", u"Rehacer la accion deshecha anteriormente"},
    {1011, u"Añadir", u"Enter", u"Añadir (Enter)", u"Añadir nuevo ITN"},
    {1012, u"Insertar", u"Ins", u"Insertar (Ins)", u"Inserta un nuevo ITN en la posicion seleccionada"},
    {1013, u"Combinar Columnas...", u"Ctrl+W", u"Combina Columnas (Ctrl+W)", u"Combina datos de la columna de una seleccion de ITN"},
    {1014, u"Editar", u"F2", u"Editar (F2)", u"Edita el contenido del ITN"},
    {1015, u"Borrar", u"Del", u"Borrar (Del)", u"Borrar ITNs seleccionados"},
    {1016, u"Borrar Columnas...", u"Ctrl+L", u"Borrar Columnas (Ctrl+L)", u"Borra los datos de columna de una seleccion de ITNs"},
    {1017, u"Cortar", u"Ctrl+X", u"Cortar (Ctrl+X)", u"Corta el ITN seleccionado en el portapapeles"},
    {1018, u"Copiar", u"Ctrl+C", u"Copiar (Ctrl+C)", u"Copia el ITN en el portapapeles"},
    {1019, u"Pegar", u"Ctrl+V", u"Pegar (Ctrl+V)", u"Pega el contenido del portapapeles en la posicion seleccionada"},
    {1020, u"Copiar Coordenadas", u"Alt+C", u"", u"Copias de las coordenadas de ITNs seleccionados en el portapapeles"},
    {1021, u"Pegar Coordenadas", u"Alt+V", u"", u"Pega las coordenadas desde el portapapeles en el ITN seleccionado"},
    {1022, u"Consultar Direcciones", u"Alt+A", u"Consultar Direcciones (Alt+A)", u"Consultas de las direcciones de ITNs por sus coordenadas"},
    {1023, u"Buscar...", u"Ctrl+F", u"Buscar (Ctrl+F)", u"Buscar los ITNs especificados"},
    {1024, u"Buscar Siguiente", u"F3", u"Buscar Siguiente (F3)", u"Busca el siguiente ITN especificado"},
    {1025, u"Reemplazar...", u"Ctrl+H", u"Reemplazar (Ctrl+H)", u"Reemplazar ITNs especificados"},
    {1026, u"Reemplazar Siguiente", u"F4", u"Reemplazar Siguiente (F4)", u"Reemplaza el ITN especificado y busca el siguiente"},
    {1027, u"Corregir Coordenadas", u"Alt+M", u"Corregir Coordenadas (Alt+T)", u"Corregir errores de coordenadas en ITNs seleccionados"},
    {1028, u"Comprobar...", u"Ctrl+G", u"Comprobar (Ctrl+G)", u"Comprueba el contenido de ITNs"},
    {1029, u"Añadir Favorito", u"Ctrl+R", u"Añadir Favorito (Ctrl+R)", u"Guardar ITN seleccionados en Favoritos del dispositivo GPS (Nav2)"},
    {1030, u"Añadir POIs", u"Alt+X", u"Añadir POIs (Alt+X)", u"Enviar los ITNs seleccionados al Pinloom"},
    {1031, u"Seleccionar Todo", u"Ctrl+A", u"", u"Selecciona todos los datos de ITNs"},
    {1032, u"Invertir Selección", u"Ctrl+B", u"", u"Alternar la seleccion de datos de ITN"},
    {1033, u"Marcar Como Destinos", u"F7", u"Marcar Como Destinos (F7)", u"Marca ITNs como destinos"},
    {1034, u"Marcar Como Puntos Referencia", u"F8", u"Marcar Como Puntos Referencia (F8)", u"Marca ITNs como puntos referencia"},
    {1035, u"Marcar Como Visitar", u"F9", u"Marcar Como Visitar (F9)", u"Marca ITNs como visitar"},
    {1036, u"Marcar Como Visitado", u"F10", u"Marcar Como Visitado (F10)", u"Marca ITNs como visitado"},
    {1037, u"Auto Ruta...", u"Alt+E", u"Auto Ruta (Alt+E)", u"Auto rutas ordena todos los ITNs"},
    {1038, u"Mover Arriba", u"Ctrl+U", u"Mover Arriba (Ctrl+U)", u"Mover ITNs seleccionados hacia arriba"},
    {1039, u"Mover Abajo", u"Ctrl+D", u"Mover Abajo (Ctrl+D)", u"Mover ITNs seleccionados hacia abajo"},
    {1040, u"Reverso", u"Alt+N", u"Reverso (Alt+N)", u"Reverso el orden de todos los ITNs"},
    {1041, u"Elegir ITN Base", u"Ctrl+P", u"Elejir ITN Base (Ctrl+P)", u"Establece el ITN seleccionado como punto base para el calculo de distancias"},
    {1042, u"Mi ITN Base...", u"Ctrl+M", u"Mi ITN Base (Ctrl+M)", u"Utiliza Mi ITN Base como punto base para el calculo de distancias"},
    {1043, u"Ordenar Ascendente", u"Ctrl+J", u"Ordenar Ascendente (Ctrl+J)", u"Ordena el Nombre de la columna de ITNs ascendente"},
    {1044, u"Ordenar Descendente", u"Ctrl+K", u"Ordenar Descendente (Ctrl+K)", u"Ordena el Nombre de la columna de ITNs descendente"},
    {1045, u"Google Maps", u"F5", u"Google Maps (F5)", u"Marca las posiciones de los ITNs por Google Maps"},
    {1046, u"Google Earth", u"F6", u"Google Earth (F6)", u"Marca las posiciones de los ITNs por Google Earth"},
    {1047, u"QuickGPSfix...", u"Ctrl+Q", u"QuickGPSfix (Ctrl+Q)", u"Actualizaciones de las efemerides de GPS (Nav2)"},
    {1048, u"Ver Barra Menú", u"Ctrl+Alt+M", u"", u"Mostrar u ocultar la barra de menú"},
    {1049, u"Ver Barra Herramientas", u"Ctrl+Alt+T", u"", u"Mostrar u ocultar la barra de herramientas"},
    {1050, u"Barra Herramientas Larga", u"", u"", u"Utiliza los iconos de la barra de herramientas grandes o pequenos"},
    {1051, u"Auto Barra Herramientas", u"", u"", u"Auto envuelve la barra de herramientas de iconos"},
    {1052, u"Color Barra Herramientas...", u"", u"", u"Cambia el color de fondo de la barra de herramientas"},
    {1053, u"Personalizar Barra Herramientas...", u"", u"", u"Personalizar la barra de herramientas de iconos"},
    {1054, u"Ver Fuentes...", u"", u"Panel Font", u"Cambia el tipo de letra de la pantalla en la tabla de trabajo"},
    {1055, u"Image de Fondo...", u"", u"Panel Background", u"Cambia la imagen de fondo de la tabla de trabajo"},
    {1056, u"Ver Barra de Estado", u"Ctrl+Alt+S", u"", u"Mostrar u ocultar la barra de estado"},
    {1057, u"Opciones...", u"F12", u"Opciones (F12)", u"Cambia las opciones de la configuracion"},
    {1058, u"TomTom", u"", u"TomTom", u"Visitar la web de TomTom"},
    {1059, u"Foro Wayloom", u"", u"Foro Wayloom", u"Visitar el foro de usuarios de wayloom.example.org"},
    {1060, u"Wayloom", u"", u"Wayloom", u"Visitar la web del autor de la aplicacion"},
    {1061, u"Cantactar con Autor", u"", u"Contactar con el Autor", u"Contactar por EMail con el autor de la aplicacion"},
    {1062, u"Acerca de Wayloom...", u"F1", u"Acerca de Wayloom (F1)", u"Mostrar la informacion sobre la aplicacion acerca de"},
    {1203, u"Lng Delante", u"", u"", u"Colocar la columna Lng delante de la de Lat"},
    {1204, u"Coordenadas Formato g°m's\"", u"", u"", u"Mostrar coordenadas en formato g°.decimales ó g°m's\""},
    {1205, u"Coordenadas con Direcciones", u"", u"", u"Mostrar coordenadas con firmados o direcciones de la brújula"},
    {1206, u"Ajustar Ancho", u"", u"", u"Ajusta automaticamente los anchos de todas las columnas"},
    {1207, u"Borrar Columna", u"", u"", u"Borra todos los datos de la columna"},
    {1208, u"Borrar Direcciones", u"", u"", u"Borra todo el texto de la columna seguida por @ caractere"},
    {1209, u"Ver Distancia", u"", u"", u"Mostrar la columna Distancia"},
    {1210, u"Unidad Metrica en Distancias", u"", u"", u"Utiliza unidades metricas o Inglesas para distancias"},
    {1211, u"Distancias Adyacentes", u"", u"", u"Mostrar las distancias entre los ITNs adyacentes"},
    {1212, u"Distancia Base", u"", u"", u"Mostrar las distancias desde el punto base"},
    {1213, u"Ordenar Ascendente", u"", u"", u"Ordena los datos de la columna ascendente"},
    {1214, u"Ordenar Descendente", u"", u"", u"Ordena los datos de la columna descendente"},
};

}  // namespace

const CommandText* FindCommandText(int command) {
    const auto found = std::lower_bound(std::begin(Texts), std::end(Texts), command,
                                        [](const CommandText& text, int id) { return text.command < id; });
    return found != std::end(Texts) && found->command == command ? &*found : nullptr;
}

std::u16string PlainMenuText(std::u16string_view text) {
    std::u16string plain;
    int depth = 0;
    for (const char16_t c : text) {
        if (c == u'(') ++depth;
        else if (c == u')' && depth > 0) --depth;
        else if (depth == 0 && c != u'&') plain += c;
    }
    while (!plain.empty() && plain.back() == u' ') plain.pop_back();
    return plain;
}

}  // namespace wayloom
