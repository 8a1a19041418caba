<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>AppIdentity</name>
    <message>
        <source>Files</source>
        <translation>Archivos</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Todos los archivos</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Perfil</translation>
    </message>
</context>
<context>
    <name>BatchReport</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Radios</source>
        <translation>Radios</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Puerto</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Número de serie</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modelo</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <translation>Versión de firmware</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Segundos</translation>
    </message>
    <message>
        <source>Written</source>
        <translation>Escrito</translation>
    </message>
    <message>
        <source>%1 programmed, %2 failed</source>
        <translation>%1 programadas, %2 con error</translation>
    </message>
    <message>
        <source>Batch Report</source>
        <translation>Informe del lote</translation>
    </message>
    <message>
        <source>Customer</source>
        <translation>Cliente</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Perfil</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
</context>
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About %1</source>
        <translation>Acerca de %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>Product version %1</source>
        <translation>Versión del producto %1</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
</context>
<context>
    <name>CAskPwdDlg</name>
    <message>
        <source>Dialog</source>
        <translation>Cuadro de diálogo</translation>
    </message>
    <message>
        <source>Please enter the password:</source>
        <translation>Introduzca la contraseña:</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>The password is not correct. Please check it!</source>
        <translation>La contraseña no es correcta. Compruébela.</translation>
    </message>
</context>
<context>
    <name>CBaseView</name>
    <message>
        <source>Change %1</source>
        <translation>Cambiar %1</translation>
    </message>
    <message>
        <source>Invalid Value.</source>
        <translation>Valor no válido.</translation>
    </message>
</context>
<context>
    <name>CButtonsView</name>
    <message>
        <source>Do you want to reset all buttons with their defaults?</source>
        <translation>¿Desea restablecer todos los botones a sus valores predeterminados?</translation>
    </message>
    <message>
        <source>Button Reset</source>
        <translation>Restablecer botones</translation>
    </message>
    <message>
        <source>Some files needed by CPS are not available.
Please reinstall CPS.</source>
        <translation>Faltan algunos archivos que necesita el CPS.
Vuelva a instalar el CPS.</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>Desactivado</translation>
    </message>
</context>
<context>
    <name>CChannelBulkEditDialog</name>
    <message>
        <source>Edit Selected Channels (%1)</source>
        <translation>Editar canales seleccionados (%1)</translation>
    </message>
    <message>
        <source>unchanged</source>
        <translation>sin cambios</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desactivado</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Activado</translation>
    </message>
    <message>
        <source>Edit Selected Channels</source>
        <translation>Editar canales seleccionados</translation>
    </message>
</context>
<context>
    <name>CChannelFindDialog</name>
    <message>
        <source>Replace</source>
        <translation>Reemplazar</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Find what:</source>
        <translation>Buscar:</translation>
    </message>
    <message>
        <source>Replace with:</source>
        <translation>Reemplazar por:</translation>
    </message>
    <message>
        <source>Look in:</source>
        <translation>Buscar en:</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Canal</translation>
    </message>
    <message>
        <source>Column</source>
        <translation>Columna</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Ahora</translation>
    </message>
    <message>
        <source>Becomes</source>
        <translation>Pasa a</translation>
    </message>
    <message>
        <source>&amp;Find</source>
        <translation>&amp;Buscar</translation>
    </message>
    <message>
        <source>Replace &amp;All</source>
        <translation>Reemplazar &amp;todo</translation>
    </message>
    <message>
        <source>(no such value)</source>
        <translation>(no existe ese valor)</translation>
    </message>
</context>
<context>
    <name>CChannelImportDialog</name>
    <message>
        <source>Added</source>
        <translation>Añadido</translation>
    </message>
    <message>
        <source>Changed</source>
        <translation>Cambiado</translation>
    </message>
    <message>
        <source>Unchanged</source>
        <translation>Sin cambios</translation>
    </message>
    <message>
        <source>Adapted</source>
        <translation>Adaptado</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Perdido</translation>
    </message>
    <message>
        <source>Refused</source>
        <translation>Rechazado</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>Archivos CSV (*.csv);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Import Channels</source>
        <translation>Importar canales</translation>
    </message>
    <message>
        <source>%1 row(s) are refused and will not be imported.</source>
        <translation>%1 fila(s) se rechazan y no se importarán.</translation>
    </message>
    <message>
        <source>Nothing changes until you choose Import.</source>
        <translation>Nada cambia hasta que elija Importar.</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Línea</translation>
    </message>
    <message>
        <source>What</source>
        <translation>Qué</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Detalles</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importar</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be read: %2</source>
        <translation>No se puede leer el archivo &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Export Channels</source>
        <translation>Exportar canales</translation>
    </message>
    <message>
        <source>Failed to save &quot;%1&quot;: %2</source>
        <translation>No se pudo guardar &quot;%1&quot;: %2</translation>
    </message>
</context>
<context>
    <name>CChannelTableModel</name>
    <message>
        <source>Change %1</source>
        <translation>Cambiar %1</translation>
    </message>
    <message>
        <source>Channel %1 (%2): %3</source>
        <translation>Canal %1 (%2): %3</translation>
    </message>
</context>
<context>
    <name>CChannelTableView</name>
    <message>
        <source>Channels</source>
        <translation>Canales</translation>
    </message>
    <message>
        <source>Fill Down %1</source>
        <translation>Rellenar hacia abajo %1</translation>
    </message>
</context>
<context>
    <name>CChannelView</name>
    <message>
        <source>Transmit Power</source>
        <translation>Potencia de transmisión</translation>
    </message>
    <message>
        <source>Error: Radio information view loads data.</source>
        <translation>Error: la vista de información de la radio está cargando datos.</translation>
    </message>
    <message>
        <source>2W limit</source>
        <translation>Límite de 2 W</translation>
    </message>
    <message>
        <source>Out of range</source>
        <translation>Fuera de rango</translation>
    </message>
    <message>
        <source>Change %1</source>
        <translation>Cambiar %1</translation>
    </message>
    <message>
        <source>Change Frequency</source>
        <translation>Cambiar frecuencia</translation>
    </message>
    <message>
        <source>The transmit frequency index can not be same as the receive frequency index. The next available transmit frequency shall be selected.</source>
        <translation>El índice de la frecuencia de transmisión no puede ser igual al de la frecuencia de recepción. Se seleccionará la siguiente frecuencia de transmisión disponible.</translation>
    </message>
    <message>
        <source>This channel is assigned to a Preset Channel button. Disable this channel shall cause the value change of the Preset Channel button. Do you want to continue?</source>
        <translation>Este canal está asignado a un botón de canal preseleccionado. Si lo desactiva, cambiará el valor de ese botón. ¿Desea continuar?</translation>
    </message>
</context>
<context>
    <name>CChannelsView</name>
    <message>
        <source>Import CSV...</source>
        <translation>Importar CSV...</translation>
    </message>
    <message>
        <source>Export CSV...</source>
        <translation>Exportar CSV...</translation>
    </message>
</context>
<context>
    <name>CCompareCommand</name>
    <message>
        <source>Co&amp;mpare...</source>
        <translation>Co&amp;mparar...</translation>
    </message>
    <message>
        <source>Lists the differences between a profile and another profile, a file or the radio</source>
        <translation>Muestra las diferencias entre un perfil y otro perfil, un archivo o la radio</translation>
    </message>
    <message>
        <source>Profiles and codeplug images (*.kv9 *.img);;All files (*)</source>
        <translation>Perfiles e imágenes de codeplug (*.kv9 *.img);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be read: %2</source>
        <translation>No se puede leer el archivo &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Radio</translation>
    </message>
    <message>
        <source>%1 and %2 cannot be compared.</source>
        <translation>No se pueden comparar %1 y %2.</translation>
    </message>
</context>
<context>
    <name>CCompareDialog</name>
    <message>
        <source>Compare</source>
        <translation>Comparar</translation>
    </message>
    <message>
        <source>&amp;Profile:</source>
        <translation>&amp;Perfil:</translation>
    </message>
    <message>
        <source>Compare &amp;with:</source>
        <translation>Comparar &amp;con:</translation>
    </message>
    <message>
        <source>&amp;Compare</source>
        <translation>&amp;Comparar</translation>
    </message>
    <message>
        <source>A profile or codeplug image file...</source>
        <translation>Un archivo de perfil o de imagen de codeplug...</translation>
    </message>
    <message>
        <source>The radio on the cable</source>
        <translation>La radio conectada al cable</translation>
    </message>
</context>
<context>
    <name>CComparisonWindow</name>
    <message>
        <source>Compare: %1 and %2</source>
        <translation>Comparación: %1 y %2</translation>
    </message>
    <message>
        <source>%1 and %2 are the same.</source>
        <translation>%1 y %2 son iguales.</translation>
    </message>
    <message numerus="yes">
        <source>%n difference(s) from %1 to %2:</source>
        <translation>
            <numerusform>%n diferencia de %1 a %2:</numerusform>
            <numerusform>%n diferencias de %1 a %2:</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Go to Field</source>
        <translation>&amp;Ir al campo</translation>
    </message>
</context>
<context>
    <name>CDataAdaptor</name>
    <message>
        <source>Invalid serial number</source>
        <translation>Número de serie no válido</translation>
    </message>
    <message>
        <source>Codeplug is corrupted</source>
        <translation>El codeplug está dañado</translation>
    </message>
    <message>
        <source>Invalid Frequency.</source>
        <translation>Frecuencia no válida.</translation>
    </message>
</context>
<context>
    <name>CDealerInfoDialog</name>
    <message>
        <source>Error: There is an error when acquiring language type.</source>
        <translation>Error: no se ha podido determinar el idioma.</translation>
    </message>
    <message>
        <source>Error: Load dealer information failed.</source>
        <translation>Error: no se han podido cargar los datos del distribuidor.</translation>
    </message>
    <message>
        <source>Dealer Information</source>
        <translation>Datos del distribuidor</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>Contact Information</source>
        <translation>Datos de contacto</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>The dealer information in the settings is too long to fit the dialog, please check it!</source>
        <translation>Los datos del distribuidor guardados en la configuración son demasiado largos para el cuadro de diálogo. Compruébelos.</translation>
    </message>
    <message>
        <source>Failed to write the settings!</source>
        <translation>No se ha podido escribir la configuración.</translation>
    </message>
</context>
<context>
    <name>CDifferenceList</name>
    <message>
        <source>Differences</source>
        <translation>Diferencias</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Campo</translation>
    </message>
</context>
<context>
    <name>CDocumentCommands</name>
    <message>
        <source>&quot;%1&quot; is open in another window. Close that window first, or save under another name.</source>
        <translation>&quot;%1&quot; está abierto en otra ventana. Cierre primero esa ventana o guarde con otro nombre.</translation>
    </message>
</context>
<context>
    <name>CFleetBatch</name>
    <message>
        <source>A batch is under way.</source>
        <translation>Ya hay una programación en serie en curso.</translation>
    </message>
    <message>
        <source>Name each cable of the batch once.</source>
        <translation>Indique cada cable de la serie una sola vez.</translation>
    </message>
    <message>
        <source>A batch of %1 radios cannot use %2 cables.</source>
        <translation>Una serie de %1 radios no puede usar %2 cables.</translation>
    </message>
    <message>
        <source>The profile cannot be opened.</source>
        <translation>No se puede abrir el perfil.</translation>
    </message>
</context>
<context>
    <name>CFrequencyView</name>
    <message>
        <source>%1 KHz only</source>
        <translation>Solo %1 kHz</translation>
    </message>
    <message>
        <source>User selectable with %1 KHz as default</source>
        <translation>Seleccionable, %1 kHz por defecto</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Índice</translation>
    </message>
    <message>
        <source>Frequency (MHz)</source>
        <translation>Frecuencia (MHz)</translation>
    </message>
    <message>
        <source>Bandwidth</source>
        <translation>Ancho de banda</translation>
    </message>
    <message>
        <source>Power Level</source>
        <translation>Nivel de potencia</translation>
    </message>
    <message>
        <source>Compander</source>
        <translation>Compansor</translation>
    </message>
    <message>
        <source>N/A</source>
        <translation>N/D</translation>
    </message>
    <message>
        <source>Error: Radio information view loads data.</source>
        <translation>Error: la vista de información de la radio está cargando datos.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Invalid Frequency.</source>
        <translation>Frecuencia no válida.</translation>
    </message>
    <message>
        <source>The frequency is authorized for 2W maximum transmit power.  CPS shall convert to low power mode.</source>
        <translation>Esta frecuencia solo está autorizada para una potencia de transmisión máxima de 2 W.  El CPS la pasará a potencia baja.</translation>
    </message>
    <message>
        <source>Add Frequency</source>
        <translation>Añadir frecuencia</translation>
    </message>
    <message>
        <source>Change Frequency</source>
        <translation>Cambiar frecuencia</translation>
    </message>
    <message>
        <source>Do you want to delete the selected item(s)?</source>
        <translation>¿Desea eliminar los elementos seleccionados?</translation>
    </message>
    <message>
        <source>Frequency (Frequencies) used by channel can not be deleted.</source>
        <translation>No se pueden eliminar las frecuencias que usa algún canal.</translation>
    </message>
    <message>
        <source>Delete Frequency</source>
        <translation>Eliminar frecuencia</translation>
    </message>
</context>
<context>
    <name>CHelpBrowser</name>
    <message>
        <source>Help page</source>
        <translation>Página de ayuda</translation>
    </message>
</context>
<context>
    <name>CHelpPane</name>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
</context>
<context>
    <name>CHelpSystem</name>
    <message>
        <source>Error: Can not find the help file!</source>
        <translation>Error: no se encuentra el archivo de ayuda.</translation>
    </message>
    <message>
        <source>Error: Help File format is invalid!</source>
        <translation>Error: el formato del archivo de ayuda no es válido.</translation>
    </message>
    <message>
        <source>Error: Can not find help file information in the settings!</source>
        <translation>Error: no se encuentran los datos del archivo de ayuda en la configuración.</translation>
    </message>
</context>
<context>
    <name>CHelpWindow</name>
    <message>
        <source>%1 Help</source>
        <translation>Ayuda de %1</translation>
    </message>
    <message>
        <source>Help navigation</source>
        <translation>Navegación de la ayuda</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Contenido</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Índice</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Look for</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Search for</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Buscar</translation>
    </message>
    <message>
        <source>Search results</source>
        <translation>Resultados de la búsqueda</translation>
    </message>
</context>
<context>
    <name>CLockPanes</name>
    <message>
        <source>On</source>
        <translation>Activado</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desactivado</translation>
    </message>
    <message>
        <source>CAP</source>
        <translation>MAY</translation>
    </message>
    <message>
        <source>Caps Lock</source>
        <translation>Bloq Mayús</translation>
    </message>
    <message>
        <source>NUM</source>
        <translation>NUM</translation>
    </message>
    <message>
        <source>Num Lock</source>
        <translation>Bloq Num</translation>
    </message>
    <message>
        <source>SCRL</source>
        <translation>DES</translation>
    </message>
    <message>
        <source>Scroll Lock</source>
        <translation>Bloq Despl</translation>
    </message>
</context>
<context>
    <name>CMainCommands</name>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuevo</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Abrir...</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Guardar c&amp;omo...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Recent File</source>
        <translation>Archivo reciente</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Añadir</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Cor&amp;tar</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Cortar</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Pegar</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Pegar</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Eliminar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>Cambiar &amp;nombre</translation>
    </message>
    <message>
        <source>Dealer &amp;Info</source>
        <translation>&amp;Información del distribuidor</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Barra de herramientas</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>Barra de &amp;estado</translation>
    </message>
    <message>
        <source>&amp;Help Pane</source>
        <translation>&amp;Panel de ayuda</translation>
    </message>
    <message>
        <source>&amp;Read</source>
        <translation>&amp;Leer</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Leer</translation>
    </message>
    <message>
        <source>&amp;Write</source>
        <translation>&amp;Escribir</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Escribir</translation>
    </message>
    <message>
        <source>R&amp;eset</source>
        <translation>&amp;Reiniciar</translation>
    </message>
    <message>
        <source>&amp;Report</source>
        <translation>&amp;Informe</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Informe</translation>
    </message>
    <message>
        <source>&amp;Cascade</source>
        <translation>&amp;Cascada</translation>
    </message>
    <message>
        <source>&amp;Tile</source>
        <translation>&amp;Mosaico</translation>
    </message>
    <message>
        <source>&amp;Content and Index...</source>
        <translation>&amp;Contenido e índice...</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Canada French</source>
        <translation>Francés (Canadá)</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>Chino</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>Neerlandés</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Inglés</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Francés</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Alemán</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italiano</translation>
    </message>
    <message>
        <source>LA Portuguese</source>
        <translation>Portugués (Latinoamérica)</translation>
    </message>
    <message>
        <source>LA Spanish</source>
        <translation>Español (Latinoamérica)</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Polaco</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>Portugués</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Ruso</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Español</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>Idio&amp;ma</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edición</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;Device</source>
        <translation>&amp;Dispositivo</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>Ve&amp;ntana</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barra de herramientas</translation>
    </message>
    <message>
        <source>Edit Selected C&amp;hannels...</source>
        <translation>Editar &amp;canales seleccionados...</translation>
    </message>
    <message>
        <source>Restore Radio &amp;Backup...</source>
        <translation>Restaurar &amp;copia de seguridad de la radio...</translation>
    </message>
    <message>
        <source>Program &amp;Several Radios...</source>
        <translation>Programar &amp;varias radios...</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>Profiles</source>
        <translation>Perfiles</translation>
    </message>
    <message>
        <source>Cable status</source>
        <translation>Estado del cable</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>There are %1 USB connections. Please remove the unused one and keep one connection only.</source>
        <translation>Hay %1 conexiones USB. Desconecte las que no use y deje solo una conexión.</translation>
    </message>
    <message>
        <source>USB Cable Connected</source>
        <translation>Cable USB conectado</translation>
    </message>
    <message>
        <source>USB Cable Not Connected</source>
        <translation>Cable USB no conectado</translation>
    </message>
    <message>
        <source>%1 connected</source>
        <translation>%1 conectado</translation>
    </message>
    <message>
        <source>%1 not connected</source>
        <translation>%1 no conectado</translation>
    </message>
    <message>
        <source>You have to restart the CPS for this change to take effect.</source>
        <translation>Debe reiniciar el CPS para que el cambio surta efecto.</translation>
    </message>
</context>
<context>
    <name>CNewProfileDlg</name>
    <message>
        <source>New Profile</source>
        <translation>Nuevo perfil</translation>
    </message>
    <message>
        <source>Please choose profile model.</source>
        <translation>Seleccione el modelo del perfil.</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Error: Can not find template files!</source>
        <translation>Error: no se encuentran los archivos de plantilla.</translation>
    </message>
</context>
<context>
    <name>CProgramRadiosDlg</name>
    <message>
        <source>Program Several Radios</source>
        <translation>Programar varias radios</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Iniciar</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>&amp;Detener</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Batch</source>
        <translation>Lote</translation>
    </message>
    <message>
        <source>&amp;Profile:</source>
        <translation>&amp;Perfil:</translation>
    </message>
    <message>
        <source>None: every radio gets the profile as it is</source>
        <translation>Ninguno: cada radio recibe el perfil tal cual</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>E&amp;xaminar...</translation>
    </message>
    <message>
        <source>Per-radio &amp;values (CSV):</source>
        <translation>&amp;Valores por radio (CSV):</translation>
    </message>
    <message>
        <source>&amp;Cables:</source>
        <translation>&amp;Cables:</translation>
    </message>
    <message>
        <source>A serial device, such as /dev/ttyUSB1</source>
        <translation>Un dispositivo serie, como /dev/ttyUSB1</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>A&amp;ñadir</translation>
    </message>
    <message>
        <source>&amp;Other cable:</source>
        <translation>&amp;Otro cable:</translation>
    </message>
    <message>
        <source>Until Stop</source>
        <translation>Hasta detener</translation>
    </message>
    <message>
        <source>&amp;Radios in the batch:</source>
        <translation>&amp;Radios del lote:</translation>
    </message>
    <message>
        <source>Only for radios with a codeplug password</source>
        <translation>Solo para radios con contraseña de codeplug</translation>
    </message>
    <message>
        <source>Pass&amp;word:</source>
        <translation>Contra&amp;seña:</translation>
    </message>
    <message>
        <source>C&amp;ustomer:</source>
        <translation>Cl&amp;iente:</translation>
    </message>
    <message>
        <source>&amp;Write again a radio already done in this batch</source>
        <translation>Escribir de &amp;nuevo una radio ya terminada en este lote</translation>
    </message>
    <message>
        <source>Choose the cables and press Start.</source>
        <translation>Elija los cables y pulse Iniciar.</translation>
    </message>
    <message>
        <source>Batch status</source>
        <translation>Estado del lote</translation>
    </message>
    <message>
        <source>Cables</source>
        <translation>Cables</translation>
    </message>
    <message>
        <source>Radios</source>
        <translation>Radios</translation>
    </message>
    <message>
        <source>Cable</source>
        <translation>Cable</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>Número de serie</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modelo</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <source>Written</source>
        <translation>Escrito</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Copia de seguridad</translation>
    </message>
    <message>
        <source>Verify</source>
        <translation>Verificación</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>Time (s)</source>
        <translation>Tiempo (s)</translation>
    </message>
    <message>
        <source>There is no device &quot;%1&quot;.</source>
        <translation>No existe el dispositivo «%1».</translation>
    </message>
    <message>
        <source>Per-Radio Values</source>
        <translation>Valores por radio</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>Archivos CSV (*.csv);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Choose at least one cable.</source>
        <translation>Elija al menos un cable.</translation>
    </message>
    <message>
        <source>The profile cannot be copied for the batch: %1.</source>
        <translation>No se puede copiar el perfil para el lote: %1.</translation>
    </message>
    <message>
        <source>The batch has started.</source>
        <translation>El lote ha comenzado.</translation>
    </message>
    <message>
        <source>&amp;Cancel Radios</source>
        <translation>&amp;Cancelar radios</translation>
    </message>
    <message>
        <source>Cancel Radios</source>
        <translation>Cancelar radios</translation>
    </message>
    <message>
        <source>Stopping: the radios in progress finish. Cancel Radios stops them too.</source>
        <translation>Deteniendo: las radios en curso terminan. Cancelar radios también las detiene.</translation>
    </message>
    <message>
        <source>Waiting for a radio</source>
        <translation>Esperando una radio</translation>
    </message>
    <message>
        <source>Progress on %1</source>
        <translation>Progreso en %1</translation>
    </message>
    <message>
        <source>State of %1</source>
        <translation>Estado de %1</translation>
    </message>
    <message>
        <source>Identifying</source>
        <translation>Identificando</translation>
    </message>
    <message>
        <source>Backing up</source>
        <translation>Copiando</translation>
    </message>
    <message>
        <source>Reading...</source>
        <translation>Leyendo...</translation>
    </message>
    <message>
        <source>Writing</source>
        <translation>Escribiendo</translation>
    </message>
    <message>
        <source>Verifying</source>
        <translation>Verificando</translation>
    </message>
    <message>
        <source>Connect the next radio</source>
        <translation>Conecte la siguiente radio</translation>
    </message>
    <message numerus="yes">
        <source>Connect the next radio. %n radio(s) done.</source>
        <translation>
            <numerusform>Conecte la siguiente radio. %n radio terminada.</numerusform>
            <numerusform>Conecte la siguiente radio. %n radios terminadas.</numerusform>
        </translation>
    </message>
    <message>
        <source>Already done</source>
        <translation>Ya terminada</translation>
    </message>
    <message>
        <source>The radio %1 on %2 is already programmed in this batch: it is skipped. Connect the next radio.</source>
        <translation>La radio %1 en %2 ya está programada en este lote: se omite. Conecte la siguiente radio.</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguna</translation>
    </message>
    <message>
        <source>Stored</source>
        <translation>Guardada</translation>
    </message>
    <message>
        <source>Passed</source>
        <translation>Correcta</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Not reached</source>
        <translation>No alcanzada</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Failed: %1</source>
        <translation>Error: %1</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminada</translation>
    </message>
    <message>
        <source>The batch has ended: %1 programmed, %2 failed. The log is in %3.</source>
        <translation>El lote ha terminado: %1 programadas, %2 con error. El registro está en %3.</translation>
    </message>
</context>
<context>
    <name>CRadioCommands</name>
    <message>
        <source>Transferring...</source>
        <translation>Transfiriendo...</translation>
    </message>
    <message>
        <source>Do you want to create a new profile (Yes), overwrite the currently selected profile (No) or cancel it?</source>
        <translation>¿Desea crear un perfil nuevo (Sí), sobrescribir el perfil seleccionado (No) o cancelar?</translation>
    </message>
    <message>
        <source>There are no radio backups in %1.</source>
        <translation>No hay copias de seguridad de radios en %1.</translation>
    </message>
    <message>
        <source>%1  %2 (%3)  %4  %5</source>
        <translation>%1  %2 (%3)  %4  %5</translation>
    </message>
    <message>
        <source>Restore Radio Backup</source>
        <translation>Restaurar copia de seguridad de la radio</translation>
    </message>
    <message>
        <source>Backup to write into the radio on the cable:</source>
        <translation>Copia de seguridad que se escribirá en la radio conectada al cable:</translation>
    </message>
</context>
<context>
    <name>CRadioInfoView</name>
    <message>
        <source>Error: Radio information view loads data.</source>
        <translation>Error: la vista de información de la radio está cargando datos.</translation>
    </message>
</context>
<context>
    <name>CRadioOperations</name>
    <message>
        <source>backup of %1</source>
        <translation>copia de seguridad de %1</translation>
    </message>
    <message>
        <source>This backup is of a %1 radio, and the radio on the cable is a %2; it is not written.</source>
        <translation>Esta copia de seguridad es de una radio %1 y la radio conectada al cable es una %2; no se escribe.</translation>
    </message>
    <message>
        <source>Nothing was written to the radio.</source>
        <translation>No se escribió nada en la radio.</translation>
    </message>
    <message>
        <source>This backup was taken from the radio with the serial number %1, and the radio on the cable has %2. Write it into this radio?</source>
        <translation>Esta copia de seguridad se tomó de la radio con el número de serie %1 y la radio conectada al cable tiene %2. ¿Escribirla en esta radio?</translation>
    </message>
    <message>
        <source>What the radio held before the write is kept in %1.</source>
        <translation>Lo que contenía la radio antes de la escritura se guarda en %1.</translation>
    </message>
    <message>
        <source>The radio holds its backup again; the profile was not written.</source>
        <translation>La radio vuelve a tener su copia de seguridad; el perfil no se escribió.</translation>
    </message>
    <message>
        <source>The radio did not keep these settings: %1</source>
        <translation>La radio no conservó estos ajustes: %1</translation>
    </message>
    <message>
        <source>Write to the radio again?</source>
        <translation>¿Volver a escribir en la radio?</translation>
    </message>
    <message>
        <source>Put the radio back as it was before the write, from its backup %1?</source>
        <translation>¿Devolver la radio al estado anterior a la escritura desde su copia de seguridad %1?</translation>
    </message>
</context>
<context>
    <name>CReadWriteDialog</name>
    <message>
        <source>Read</source>
        <translation>Leer</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Escribir</translation>
    </message>
    <message>
        <source>Reading from the radio ...</source>
        <translation>Leyendo de la radio ...</translation>
    </message>
    <message>
        <source>Writing to the radio ...</source>
        <translation>Escribiendo en la radio ...</translation>
    </message>
    <message>
        <source>Transfer status</source>
        <translation>Estado de la transferencia</translation>
    </message>
    <message>
        <source>Transfer progress</source>
        <translation>Progreso de la transferencia</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Read Failed!</source>
        <translation>Error de lectura.</translation>
    </message>
    <message>
        <source>Write Failed!</source>
        <translation>Error de escritura.</translation>
    </message>
    <message>
        <source>Read Successfully!</source>
        <translation>Lectura correcta.</translation>
    </message>
    <message>
        <source>Write Successfully!</source>
        <translation>Escritura correcta.</translation>
    </message>
</context>
<context>
    <name>CReportDlg</name>
    <message>
        <source>Reports</source>
        <translation>Informes</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Vista previa</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>Exportar PDF</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>Correo electrónico</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Guardar como</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>Documentos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Web pages (*.htm *.html)</source>
        <translation>Páginas web (*.htm *.html)</translation>
    </message>
    <message>
        <source>The report could not be written to &quot;%1&quot;.</source>
        <translation>No se ha podido escribir el informe en &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The report cannot be shown here: the browser library is missing.</source>
        <translation>El informe no se puede mostrar aquí: falta la biblioteca del navegador.</translation>
    </message>
    <message>
        <source>The report could not be printed.</source>
        <translation>No se ha podido imprimir el informe.</translation>
    </message>
</context>
<context>
    <name>CReportOptionDlg</name>
    <message>
        <source>Reports</source>
        <translation>Informes</translation>
    </message>
    <message>
        <source>Choose a report template.</source>
        <translation>Elija una plantilla de informe.</translation>
    </message>
    <message>
        <source>Customer Handout</source>
        <translation>Hoja para el cliente</translation>
    </message>
    <message>
        <source>Detailed Report</source>
        <translation>Informe detallado</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
</context>
<context>
    <name>CScanView</name>
    <message>
        <source>Add to the scan list</source>
        <translation>Añadir a la lista de escaneo</translation>
    </message>
    <message>
        <source>Remove from the scan list</source>
        <translation>Quitar de la lista de escaneo</translation>
    </message>
</context>
<context>
    <name>CSettingView</name>
    <message>
        <source>Please enter 4 numeric characters.</source>
        <translation>Introduzca 4 dígitos.</translation>
    </message>
    <message>
        <source>The passwords you entered do not match.</source>
        <translation>Las contraseñas introducidas no coinciden.</translation>
    </message>
</context>
<context>
    <name>CSplashScreen</name>
    <message>
        <source>Splash screen</source>
        <translation>Pantalla de inicio</translation>
    </message>
</context>
<context>
    <name>CStartPage</name>
    <message>
        <source>No profile opened yet.</source>
        <translation>Aún no se ha abierto ningún perfil.</translation>
    </message>
    <message>
        <source>Start page</source>
        <translation>Página de inicio</translation>
    </message>
    <message>
        <source>New Profile</source>
        <translation>Nuevo perfil</translation>
    </message>
    <message>
        <source>A new profile from a model&apos;s template</source>
        <translation>Un perfil nuevo a partir de la plantilla de un modelo</translation>
    </message>
    <message>
        <source>Open Profile</source>
        <translation>Abrir perfil</translation>
    </message>
    <message>
        <source>A profile file (.kv9) on this computer</source>
        <translation>Un archivo de perfil (.kv9) en este equipo</translation>
    </message>
    <message>
        <source>Read from Radio</source>
        <translation>Leer de la radio</translation>
    </message>
    <message>
        <source>The profile of the radio on the cable</source>
        <translation>El perfil de la radio conectada al cable</translation>
    </message>
    <message>
        <source>&amp;Recent profiles</source>
        <translation>Perfiles &amp;recientes</translation>
    </message>
    <message>
        <source>Recent profiles</source>
        <translation>Perfiles recientes</translation>
    </message>
    <message>
        <source>Enter opens the selected profile</source>
        <translation>Intro abre el perfil seleccionado</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>no encontrado</translation>
    </message>
    <message>
        <source>unknown model</source>
        <translation>modelo desconocido</translation>
    </message>
    <message>
        <source>Cable: %1</source>
        <translation>Cable: %1</translation>
    </message>
</context>
<context>
    <name>CSupportFileCommand</name>
    <message>
        <source>Create &amp;Support File...</source>
        <translation>Crear archivo de &amp;soporte...</translation>
    </message>
    <message>
        <source>Saves the versions, cable, radio, settings and radio traces for the supplier</source>
        <translation>Guarda las versiones, el cable, la radio, la configuración y las trazas de radio para el proveedor</translation>
    </message>
    <message>
        <source>Create Support File</source>
        <translation>Crear archivo de soporte</translation>
    </message>
    <message>
        <source>Support files (*.tar.gz)</source>
        <translation>Archivos de soporte (*.tar.gz)</translation>
    </message>
    <message>
        <source>Add the open profile to the support file? Its codeplug password is left out.</source>
        <translation>¿Añadir el perfil abierto al archivo de soporte? Su contraseña de codeplug no se incluye.</translation>
    </message>
    <message>
        <source>The support file has been saved as &quot;%1&quot;.</source>
        <translation>El archivo de soporte se ha guardado como «%1».</translation>
    </message>
    <message>
        <source>Cannot save the support file &quot;%1&quot;: %2</source>
        <translation>No se puede guardar el archivo de soporte «%1»: %2</translation>
    </message>
</context>
<context>
    <name>CVelaCPSApp</name>
    <message>
        <source>CPS needs vbscript engine to start. Please install vbscript engine before re-starting the %1.</source>
        <translation>El CPS necesita el motor de VBScript para iniciarse. Instale el motor de VBScript antes de volver a iniciar %1.</translation>
    </message>
    <message>
        <source>The language resource file is missing. The CPS will start with English language version.</source>
        <translation>Falta el archivo de recursos del idioma. El CPS se iniciará en inglés.</translation>
    </message>
</context>
<context>
    <name>CVelaCPSDoc</name>
    <message>
        <source>Save changes to %1?</source>
        <translation>¿Guardar los cambios en %1?</translation>
    </message>
</context>
<context>
    <name>CVelaCPSTreeView</name>
    <message>
        <source>Profile</source>
        <translation>Perfil</translation>
    </message>
    <message>
        <source>KVX Distributor Series</source>
        <translation>Serie KVX Distributor</translation>
    </message>
    <message>
        <source>General Settings</source>
        <translation>Ajustes generales</translation>
    </message>
    <message>
        <source>Audio Settings</source>
        <translation>Ajustes de audio</translation>
    </message>
    <message>
        <source>Buttons</source>
        <translation>Botones</translation>
    </message>
    <message>
        <source>RF Frequency</source>
        <translation>Frecuencias RF</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Canales</translation>
    </message>
    <message>
        <source>Scan List</source>
        <translation>Lista de escaneo</translation>
    </message>
    <message>
        <source>Customized PL</source>
        <translation>PL personalizado</translation>
    </message>
    <message>
        <source>Customized DPL</source>
        <translation>DPL personalizado</translation>
    </message>
    <message>
        <source>Add Channel</source>
        <translation>Añadir canal</translation>
    </message>
    <message>
        <source>The last valid channel can not be deleted.</source>
        <translation>No se puede eliminar el último canal válido.</translation>
    </message>
    <message>
        <source>Delete Channel</source>
        <translation>Eliminar canal</translation>
    </message>
    <message>
        <source>This channel is assigned to a Preset Channel button. Deleting this channel shall cause the value change of the Preset Channel button. Do you want to continue?</source>
        <translation>Este canal está asignado a un botón de canal preseleccionado. Si lo elimina, cambiará el valor de ese botón. ¿Desea continuar?</translation>
    </message>
    <message>
        <source>Rename Channel</source>
        <translation>Cambiar nombre del canal</translation>
    </message>
    <message>
        <source>&amp;Add	Ctrl+A</source>
        <translation>&amp;Añadir	Ctrl+A</translation>
    </message>
    <message>
        <source>&amp;Delete	Del</source>
        <translation>&amp;Eliminar	Supr</translation>
    </message>
    <message>
        <source>&amp;Rename	F2</source>
        <translation>Cambiar &amp;nombre	F2</translation>
    </message>
</context>
<context>
    <name>CWriteReviewDialog</name>
    <message>
        <source>&amp;Do not ask again for identical models</source>
        <translation>&amp;No volver a preguntar para modelos idénticos</translation>
    </message>
    <message>
        <source>Write to Radio</source>
        <translation>Escribir en la radio</translation>
    </message>
    <message>
        <source>The write changes these settings in the radio:</source>
        <translation>La escritura cambia estos ajustes en la radio:</translation>
    </message>
    <message>
        <source>In the radio</source>
        <translation>En la radio</translation>
    </message>
    <message>
        <source>After the write</source>
        <translation>Después de escribir</translation>
    </message>
    <message>
        <source>&amp;Write</source>
        <translation>&amp;Escribir</translation>
    </message>
    <message>
        <source>The choice not to be asked again could not be stored.</source>
        <translation>No se pudo guardar la opción de no volver a preguntar.</translation>
    </message>
</context>
<context>
    <name>CableChoices</name>
    <message>
        <source>USB programming cable</source>
        <translation>Cable de programación USB</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
</context>
<context>
    <name>ChannelCsv</name>
    <message>
        <source>Location %1: the model has no room for more channels; the row is not imported.</source>
        <translation>Posición %1: el modelo no tiene sitio para más canales; la fila no se importa.</translation>
    </message>
    <message>
        <source>Location %1 becomes channel %2.</source>
        <translation>La posición %1 pasa a ser el canal %2.</translation>
    </message>
    <message>
        <source>%1 MHz allows 2 W at most: it is added with low power only.</source>
        <translation>%1 MHz admite 2 W como máximo: se añade solo con potencia baja.</translation>
    </message>
    <message>
        <source>%1 MHz is added as 12.5 kHz only: the model allows no wider channels.</source>
        <translation>%1 MHz se añade solo con 12,5 KHz: el modelo no admite canales más anchos.</translation>
    </message>
    <message>
        <source>%1 MHz is added to the RF frequency table as entry %2.</source>
        <translation>%1 MHz se añade a la tabla de frecuencias RF como entrada %2.</translation>
    </message>
    <message>
        <source>%1: the frequency allows only %2.</source>
        <translation>%1: la frecuencia solo admite %2.</translation>
    </message>
    <message>
        <source>This radio cannot use %1: the channel gets no code.</source>
        <translation>Esta radio no puede usar %1: el canal queda sin código.</translation>
    </message>
    <message>
        <source>Channel %1 is added.</source>
        <translation>Se añade el canal %1.</translation>
    </message>
    <message>
        <source>Channel %1 is unchanged.</source>
        <translation>El canal %1 no cambia.</translation>
    </message>
    <message>
        <source>Channel %1 changes: %2.</source>
        <translation>El canal %1 cambia: %2.</translation>
    </message>
    <message>
        <source>The name &quot;%1&quot; is cut to &quot;%2&quot;.</source>
        <translation>El nombre &quot;%1&quot; se acorta a &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>This model has no repeater: the channel transmits on its receive frequency.</source>
        <translation>Este modelo no tiene repetidor: el canal transmite en su frecuencia de recepción.</translation>
    </message>
    <message>
        <source>This model has no power choice: the power is not changed.</source>
        <translation>Este modelo no permite elegir la potencia: la potencia no cambia.</translation>
    </message>
    <message>
        <source>Power %1 becomes %2.</source>
        <translation>La potencia %1 pasa a %2.</translation>
    </message>
    <message>
        <source>This model transmits with its receive code: %1 is not sent.</source>
        <translation>Este modelo transmite con su código de recepción: %1 no se envía.</translation>
    </message>
    <message>
        <source>no code</source>
        <translation>sin código</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Línea %1: %2</translation>
    </message>
    <message>
        <source>Import Channels</source>
        <translation>Importar canales</translation>
    </message>
    <message>
        <source>Location %1 is already on line %2.</source>
        <translation>La posición %1 ya está en la línea %2.</translation>
    </message>
    <message>
        <source>the row ends before this column.</source>
        <translation>la fila termina antes de esta columna.</translation>
    </message>
    <message>
        <source>a frequency is needed.</source>
        <translation>se necesita una frecuencia.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a frequency in MHz.</source>
        <translation>&quot;%1&quot; no es una frecuencia en MHz.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a tone in Hz.</source>
        <translation>&quot;%1&quot; no es un tono en Hz.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a DCS code (octal).</source>
        <translation>&quot;%1&quot; no es un código DCS (octal).</translation>
    </message>
    <message>
        <source>Column %1 (%2): %3</source>
        <translation>Columna %1 (%2): %3</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a polarity (NN, NR, RN or RR).</source>
        <translation>&quot;%1&quot; no es una polaridad (NN, NR, RN o RR).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a cross mode.</source>
        <translation>&quot;%1&quot; no es un modo cruzado.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a tone mode (Tone, TSQL, DTCS or Cross).</source>
        <translation>&quot;%1&quot; no es un modo de tono (Tone, TSQL, DTCS o Cross).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a power in watts.</source>
        <translation>&quot;%1&quot; no es una potencia en vatios.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a duplex (empty, +, - or split).</source>
        <translation>&quot;%1&quot; no es un dúplex (vacío, +, - o split).</translation>
    </message>
    <message>
        <source>the transmit frequency is out of bounds.</source>
        <translation>la frecuencia de transmisión está fuera de los límites.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not %2.</source>
        <translation>&quot;%1&quot; no es %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a channel number (1 or more).</source>
        <translation>&quot;%1&quot; no es un número de canal (1 o más).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a mode this radio has (FM or NFM).</source>
        <translation>&quot;%1&quot; no es un modo de esta radio (FM o NFM).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a step in kHz.</source>
        <translation>&quot;%1&quot; no es un paso en kHz.</translation>
    </message>
    <message>
        <source>a skip mark (empty or S)</source>
        <translation>una marca de omisión (vacía o S)</translation>
    </message>
    <message>
        <source>This is not a channel list: its first line must be a header that names the columns, at least Location and Frequency, such as
%1</source>
        <translation>Esto no es una lista de canales: su primera línea debe ser un encabezado con los nombres de las columnas, al menos Location y Frequency, como
%1</translation>
    </message>
    <message>
        <source>The file has more than %1 rows.</source>
        <translation>El archivo tiene más de %1 filas.</translation>
    </message>
    <message>
        <source>Line %1: a quote is not closed.</source>
        <translation>Línea %1: unas comillas no se cierran.</translation>
    </message>
</context>
<context>
    <name>CodeDisplayText</name>
    <message>
        <source>No PL/DPL code</source>
        <translation>Sin código PL/DPL</translation>
    </message>
    <message>
        <source>Customized PL</source>
        <translation>PL personalizado</translation>
    </message>
    <message>
        <source>Inverted DPL</source>
        <translation>DPL invertido</translation>
    </message>
    <message>
        <source>Customized DPL</source>
        <translation>DPL personalizado</translation>
    </message>
    <message>
        <source>Hz</source>
        <translation>Hz</translation>
    </message>
    <message>
        <source>DPL</source>
        <translation>DPL</translation>
    </message>
</context>
<context>
    <name>ConfigStore</name>
    <message>
        <source>Fatal settings error, the application will be closed!</source>
        <translation>Error grave de la configuración. La aplicación se cerrará.</translation>
    </message>
</context>
<context>
    <name>Editors</name>
    <message>
        <source>Low</source>
        <translation>Baja</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Media</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Alta</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>Desactivado</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Inglés</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Francés</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Español</translation>
    </message>
    <message>
        <source>Audio Settings</source>
        <translation>Ajustes de audio</translation>
    </message>
    <message>
        <source>Microphone Gain</source>
        <translation>Ganancia del micrófono</translation>
    </message>
    <message>
        <source>Accessory Microphone Gain</source>
        <translation>Ganancia del micrófono externo</translation>
    </message>
    <message>
        <source>VOX Level</source>
        <translation>Nivel VOX</translation>
    </message>
    <message>
        <source>iVOX Level</source>
        <translation>Nivel iVOX</translation>
    </message>
    <message>
        <source>Channel Announcement Language</source>
        <translation>Idioma del anuncio de canal</translation>
    </message>
    <message>
        <source>Roger Beep Tone</source>
        <translation>Tono Roger</translation>
    </message>
    <message>
        <source>Keypad Beep</source>
        <translation>Tono de teclado</translation>
    </message>
    <message>
        <source>One feature can not be assigned to multiple buttons.</source>
        <translation>No se puede asignar una misma función a varios botones.</translation>
    </message>
    <message>
        <source>The channel can not be selected!</source>
        <translation>No se puede seleccionar el canal.</translation>
    </message>
    <message>
        <source>Monitor</source>
        <translation>Monitor</translation>
    </message>
    <message>
        <source>Scan/Nuisance Channel Delete</source>
        <translation>Escaneo/Borrar canal molesto</translation>
    </message>
    <message>
        <source>Call Tone</source>
        <translation>Tono de llamada</translation>
    </message>
    <message>
        <source>Tx Power Selection</source>
        <translation>Selección de potencia TX</translation>
    </message>
    <message>
        <source>Scramble</source>
        <translation>Cifrado de voz</translation>
    </message>
    <message>
        <source>Repeater/Talkaround</source>
        <translation>Repetidor/Directo</translation>
    </message>
    <message>
        <source>No Operation</source>
        <translation>Sin función</translation>
    </message>
    <message>
        <source>Backlight</source>
        <translation>Retroiluminación</translation>
    </message>
    <message>
        <source>Preset 1</source>
        <translation>Preselección 1</translation>
    </message>
    <message>
        <source>Preset 2</source>
        <translation>Preselección 2</translation>
    </message>
    <message>
        <source>Selectable</source>
        <translation>Seleccionable</translation>
    </message>
    <message>
        <source>ON/OFF</source>
        <translation>Act./Desact.</translation>
    </message>
    <message>
        <source>Buttons</source>
        <translation>Botones</translation>
    </message>
    <message>
        <source>Keypad Lock</source>
        <translation>Bloqueo de teclado</translation>
    </message>
    <message>
        <source>Feature</source>
        <translation>Función</translation>
    </message>
    <message>
        <source>Side Button 1 (SB1)</source>
        <translation>Botón lateral 1 (SB1)</translation>
    </message>
    <message>
        <source>Side Button 2 (SB2)</source>
        <translation>Botón lateral 2 (SB2)</translation>
    </message>
    <message>
        <source>Button A</source>
        <translation>Botón A</translation>
    </message>
    <message>
        <source>Button B</source>
        <translation>Botón B</translation>
    </message>
    <message>
        <source>Button C</source>
        <translation>Botón C</translation>
    </message>
    <message>
        <source>Button Reset</source>
        <translation>Restablecer botones</translation>
    </message>
    <message>
        <source>Scramble Button</source>
        <translation>Botón de cifrado</translation>
    </message>
    <message>
        <source>Preset 1 Channel</source>
        <translation>Canal de preselección 1</translation>
    </message>
    <message>
        <source>Preset 2 Channel</source>
        <translation>Canal de preselección 2</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Canales</translation>
    </message>
    <message>
        <source>Add Channel</source>
        <translation>Añadir canal</translation>
    </message>
    <message>
        <source>Scramble Code 1</source>
        <translation>Código de cifrado 1</translation>
    </message>
    <message>
        <source>Scramble Code 2</source>
        <translation>Código de cifrado 2</translation>
    </message>
    <message>
        <source>Scramble Code 3</source>
        <translation>Código de cifrado 3</translation>
    </message>
    <message>
        <source>Frequency (MHz)</source>
        <translation>Frecuencia (MHz)</translation>
    </message>
    <message>
        <source>Bandwidth (KHz)</source>
        <translation>Ancho de banda (kHz)</translation>
    </message>
    <message>
        <source>PL/DPL Code</source>
        <translation>Código PL/DPL</translation>
    </message>
    <message>
        <source>High-power is only available in non-PMR446 markets</source>
        <translation>La potencia alta solo está disponible fuera de los mercados PMR446</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Disable Channel</source>
        <translation>Desactivar canal</translation>
    </message>
    <message>
        <source>Receive</source>
        <translation>Recepción</translation>
    </message>
    <message>
        <source>Talkaround Power</source>
        <translation>Potencia en directo</translation>
    </message>
    <message>
        <source>Transmit</source>
        <translation>Transmisión</translation>
    </message>
    <message>
        <source>Repeater Power</source>
        <translation>Potencia vía repetidor</translation>
    </message>
    <message>
        <source>Repeater</source>
        <translation>Repetidor</translation>
    </message>
    <message>
        <source>In talkaround mode, Transmit will use Receive settings.</source>
        <translation>En modo directo, la transmisión usa los ajustes de recepción.</translation>
    </message>
    <message>
        <source>Dynamic Talkaround Scan</source>
        <translation>Escaneo dinámico de directo</translation>
    </message>
    <message>
        <source>Auto Scan</source>
        <translation>Escaneo automático</translation>
    </message>
    <message>
        <source>Customized PL</source>
        <translation>PL personalizado</translation>
    </message>
    <message>
        <source>PL Code 124 (Hz)</source>
        <translation>Código PL 124 (Hz)</translation>
    </message>
    <message>
        <source>PL Code 125 (Hz)</source>
        <translation>Código PL 125 (Hz)</translation>
    </message>
    <message>
        <source>PL Code 126 (Hz)</source>
        <translation>Código PL 126 (Hz)</translation>
    </message>
    <message>
        <source>PL Code 127 (Hz)</source>
        <translation>Código PL 127 (Hz)</translation>
    </message>
    <message>
        <source>PL Code 128 (Hz)</source>
        <translation>Código PL 128 (Hz)</translation>
    </message>
    <message>
        <source>PL Code 129 (Hz)</source>
        <translation>Código PL 129 (Hz)</translation>
    </message>
    <message>
        <source>The PL Code you input is invalid. The valid range is: 67.0 - 255.0 Hz.</source>
        <translation>El código PL introducido no es válido. El rango válido es: 67,0 - 255,0 Hz.</translation>
    </message>
    <message>
        <source>Customized DPL</source>
        <translation>DPL personalizado</translation>
    </message>
    <message>
        <source>PL Code 214 (OCT)</source>
        <translation>Código PL 214 (OCT)</translation>
    </message>
    <message>
        <source>PL Code 215 (OCT)</source>
        <translation>Código PL 215 (OCT)</translation>
    </message>
    <message>
        <source>PL Code 216 (OCT)</source>
        <translation>Código PL 216 (OCT)</translation>
    </message>
    <message>
        <source>PL Code 217 (OCT)</source>
        <translation>Código PL 217 (OCT)</translation>
    </message>
    <message>
        <source>PL Code 218 (OCT)</source>
        <translation>Código PL 218 (OCT)</translation>
    </message>
    <message>
        <source>PL Code 219 (OCT)</source>
        <translation>Código PL 219 (OCT)</translation>
    </message>
    <message>
        <source>The DPL Code you entered is invalid. The valid range is(OCT): 001 - 777.</source>
        <translation>El código DPL introducido no es válido. El rango válido es (OCT): 001 - 777.</translation>
    </message>
    <message>
        <source>RF Frequency</source>
        <translation>Frecuencias RF</translation>
    </message>
    <message>
        <source>Low power only</source>
        <translation>Solo potencia baja</translation>
    </message>
    <message>
        <source>High power only</source>
        <translation>Solo potencia alta</translation>
    </message>
    <message>
        <source>User selectable with low power as default</source>
        <translation>Seleccionable, potencia baja por defecto</translation>
    </message>
    <message>
        <source>User selectable with high power as default</source>
        <translation>Seleccionable, potencia alta por defecto</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>Activado</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Bandwidth</source>
        <translation>Ancho de banda</translation>
    </message>
    <message>
        <source>Power Level</source>
        <translation>Nivel de potencia</translation>
    </message>
    <message>
        <source>Compander</source>
        <translation>Compansor</translation>
    </message>
    <message>
        <source>Radio Information</source>
        <translation>Información de la radio</translation>
    </message>
    <message>
        <source>Regional Code</source>
        <translation>Código regional</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Número de serie</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <translation>Versión de firmware</translation>
    </message>
    <message>
        <source>Codeplug Version</source>
        <translation>Versión del codeplug</translation>
    </message>
    <message>
        <source>Frequency Range (MHz)</source>
        <translation>Rango de frecuencias (MHz)</translation>
    </message>
    <message>
        <source>Rx Frequency Range (MHz)</source>
        <translation>Rango de frecuencias RX (MHz)</translation>
    </message>
    <message>
        <source>Tx Frequency Range (MHz)</source>
        <translation>Rango de frecuencias TX (MHz)</translation>
    </message>
    <message>
        <source>Maximum Channel</source>
        <translation>Máximo de canales</translation>
    </message>
    <message>
        <source>Scan List</source>
        <translation>Lista de escaneo</translation>
    </message>
    <message>
        <source>Available Channels</source>
        <translation>Canales disponibles</translation>
    </message>
    <message>
        <source>&amp;Add&gt;&gt;</source>
        <translation>&amp;Añadir&gt;&gt;</translation>
    </message>
    <message>
        <source>&lt;&lt;Re&amp;move</source>
        <translation>&lt;&lt;&amp;Quitar</translation>
    </message>
    <message>
        <source>Scan List Members</source>
        <translation>Miembros de la lista de escaneo</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Desactivado</translation>
    </message>
    <message>
        <source>15 min</source>
        <translation>15 min</translation>
    </message>
    <message>
        <source>30 min</source>
        <translation>30 min</translation>
    </message>
    <message>
        <source>After conversation</source>
        <translation>Tras la conversación</translation>
    </message>
    <message>
        <source>45 min</source>
        <translation>45 min</translation>
    </message>
    <message>
        <source>60 min</source>
        <translation>60 min</translation>
    </message>
    <message>
        <source>Alkaline</source>
        <translation>Alcalina</translation>
    </message>
    <message>
        <source>Nickel/LiIon</source>
        <translation>Níquel/Li-ion</translation>
    </message>
    <message>
        <source>General Settings</source>
        <translation>Ajustes generales</translation>
    </message>
    <message>
        <source>Codeplug Password (4-digit number)</source>
        <translation>Contraseña del codeplug (4 dígitos)</translation>
    </message>
    <message>
        <source>Confirm Password (4-digit number)</source>
        <translation>Confirmar contraseña (4 dígitos)</translation>
    </message>
    <message>
        <source>Power Up Text</source>
        <translation>Texto de encendido</translation>
    </message>
    <message>
        <source>Power up text can only contain: A-Z, 0-9, b, c, d, g, h, l, i, o, r, u, *, {, }, ?, &amp;, %, ., +, /, \, -, &apos;</source>
        <translation>El texto de encendido solo puede contener: A-Z, 0-9, b, c, d, g, h, l, i, o, r, u, *, {, }, ?, &amp;, %, ., +, /, \, -, &apos;</translation>
    </message>
    <message>
        <source>Repeater Station ID</source>
        <translation>ID de estación repetidora</translation>
    </message>
    <message>
        <source>Repeater station id can only contain letter and digits.</source>
        <translation>El ID de estación repetidora solo puede contener letras y dígitos.</translation>
    </message>
    <message>
        <source>Repeater ID Mode</source>
        <translation>Modo de ID de repetidor</translation>
    </message>
    <message>
        <source>Disable All LEDs</source>
        <translation>Desactivar todos los LED</translation>
    </message>
    <message>
        <source>Disable Restore Factory Default</source>
        <translation>Desactivar restaurar valores de fábrica</translation>
    </message>
    <message>
        <source>Enable Programming Mode</source>
        <translation>Activar modo de programación</translation>
    </message>
    <message>
        <source>Disable Battery Save</source>
        <translation>Desactivar ahorro de batería</translation>
    </message>
    <message>
        <source>Back Light (Sec.)</source>
        <translation>Retroiluminación (s)</translation>
    </message>
    <message>
        <source>Tx Hangtime (Sec.)</source>
        <translation>Tiempo de retención TX (s)</translation>
    </message>
    <message>
        <source>The tx hangtime is invalid. Its range is 0 - 50.</source>
        <translation>El tiempo de retención TX no es válido. Su rango es 0 - 50.</translation>
    </message>
    <message>
        <source>Tx Low Battery (Min.)</source>
        <translation>TX con batería baja (min)</translation>
    </message>
    <message>
        <source>The tx low battery is invalid. Its range is 0 - 255.</source>
        <translation>El tiempo de TX con batería baja no es válido. Su rango es 0 - 255.</translation>
    </message>
    <message>
        <source>On Battery Alert Tone</source>
        <translation>Tono de alerta de batería</translation>
    </message>
    <message>
        <source>Enable Courtesy Over Beep</source>
        <translation>Activar tono de cortesía</translation>
    </message>
    <message>
        <source>Transmit Timeout Timer (Sec.)</source>
        <translation>Temporizador de TX, TOT (s)</translation>
    </message>
    <message>
        <source>PL Reverse Burst</source>
        <translation>Ráfaga inversa PL</translation>
    </message>
    <message>
        <source>Alternate Battery Selection</source>
        <translation>Selección de batería alternativa</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>N.º</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Potencia</translation>
    </message>
    <message>
        <source>Receive PL/DPL</source>
        <translation>PL/DPL de recepción</translation>
    </message>
    <message>
        <source>Transmit PL/DPL</source>
        <translation>PL/DPL de transmisión</translation>
    </message>
</context>
<context>
    <name>FieldAssignments</name>
    <message>
        <source>%1: the RF frequency table has no such row.</source>
        <translation>%1: la tabla de frecuencias de RF no tiene esa fila.</translation>
    </message>
    <message>
        <source>%1: the profile has no such field.</source>
        <translation>%1: el perfil no tiene ese campo.</translation>
    </message>
    <message>
        <source>%1: the channel is disabled; only its disable_channel=0 changes it.</source>
        <translation>%1: el canal está desactivado; solo su disable_channel=0 lo cambia.</translation>
    </message>
    <message>
        <source>%1: this radio takes codes up to %2.</source>
        <translation>%1: esta radio admite códigos hasta %2.</translation>
    </message>
    <message>
        <source>%1 is set together with %2 in the same change.</source>
        <translation>%1 se fija junto con %2 en el mismo cambio.</translation>
    </message>
    <message>
        <source>%1 is no field of the profile.</source>
        <translation>%1 no es un campo del perfil.</translation>
    </message>
    <message>
        <source>%1 needs the number of its element, counted from 1.</source>
        <translation>%1 necesita el número de su elemento, contado desde 1.</translation>
    </message>
    <message>
        <source>%1: the RF frequency table has no such row; a new row is frequency[%2].freq.</source>
        <translation>%1: la tabla de frecuencias de RF no tiene esa fila; una fila nueva es frequency[%2].freq.</translation>
    </message>
</context>
<context>
    <name>FileDialogs</name>
    <message>
        <source>Save As</source>
        <translation>Guardar como</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
</context>
<context>
    <name>FleetLog</name>
    <message>
        <source>The batch log folder %1 cannot be made.</source>
        <translation>No se puede crear la carpeta del registro de la serie %1.</translation>
    </message>
    <message>
        <source>The batch log %1 cannot be written: %2.</source>
        <translation>No se puede escribir el registro de la serie %1: %2.</translation>
    </message>
</context>
<context>
    <name>FleetPort</name>
    <message>
        <source>The profile cannot be opened.</source>
        <translation>No se puede abrir el perfil.</translation>
    </message>
    <message>
        <source>The values file has no row for this radio.</source>
        <translation>El archivo de valores no tiene ninguna fila para esta radio.</translation>
    </message>
    <message>
        <source>Not answered (no Yes given for the batch): %1</source>
        <translation>Sin respuesta (no se indicó Sí para la serie): %1</translation>
    </message>
    <message>
        <source>The radio has a codeplug password other than the one given for the batch.</source>
        <translation>La radio tiene una contraseña de codeplug distinta de la indicada para la serie.</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Cancelado.</translation>
    </message>
    <message>
        <source>The radio did not keep what was written.</source>
        <translation>La radio no conservó lo que se escribió.</translation>
    </message>
    <message>
        <source>Not written.</source>
        <translation>No se escribió.</translation>
    </message>
</context>
<context>
    <name>FleetValues</name>
    <message>
        <source>line %1: %2</source>
        <translation>línea %1: %2</translation>
    </message>
    <message>
        <source>The values file %1 cannot be read: %2.</source>
        <translation>No se puede leer el archivo de valores %1: %2.</translation>
    </message>
    <message>
        <source>The values file is empty.</source>
        <translation>El archivo de valores está vacío.</translation>
    </message>
    <message>
        <source>the first column must be &quot;serial&quot; or &quot;order&quot;.</source>
        <translation>la primera columna debe ser &quot;serial&quot; u &quot;order&quot;.</translation>
    </message>
    <message>
        <source>the column %1 is there twice.</source>
        <translation>la columna %1 aparece dos veces.</translation>
    </message>
    <message>
        <source>%1 cells where the header has %2.</source>
        <translation>%1 celdas donde el encabezado tiene %2.</translation>
    </message>
    <message>
        <source>the first cell is empty.</source>
        <translation>la primera celda está vacía.</translation>
    </message>
    <message>
        <source>the order %1 is no number from 1.</source>
        <translation>el orden %1 no es un número a partir de 1.</translation>
    </message>
    <message>
        <source>%1 has a row already.</source>
        <translation>%1 ya tiene una fila.</translation>
    </message>
    <message>
        <source>The profile cannot be opened.</source>
        <translation>No se puede abrir el perfil.</translation>
    </message>
    <message>
        <source>a value is refused.</source>
        <translation>se rechaza un valor.</translation>
    </message>
</context>
<context>
    <name>FrequencyRules</name>
    <message>
        <source>Not all frequencies are authorized for high power mode (4W). CPS shall convert these frequencies to low power mode.</source>
        <translation>No todas las frecuencias están autorizadas para potencia alta (4 W). El CPS pasará esas frecuencias a potencia baja.</translation>
    </message>
</context>
<context>
    <name>ModelRules</name>
    <message>
        <source>At least one channel frequency is out of the valid frequency range. Please correct it before programming. If there is no valid frequency to select, please edit the frequency table first.</source>
        <translation>Al menos una frecuencia de canal está fuera del rango de frecuencias válido. Corríjala antes de programar. Si no hay ninguna frecuencia válida para elegir, edite primero la tabla de frecuencias.</translation>
    </message>
    <message>
        <source>This Customer Programming Software is intended for programming radios to be used in the United States of America (USA) to ensure compliance with the narrowband mandate issued by the Federal Communications Commission (FCC).   Programming of the radio to operate on 25 KHz channel spacing is not permitted and has been disabled in this application in compliance with the FCC mandate effective January 1st, 2013.</source>
        <translation>Este software de programación (CPS) está destinado a programar radios que se utilizan en los Estados Unidos de América (EE. UU.) para garantizar el cumplimiento de la normativa de banda estrecha de la Comisión Federal de Comunicaciones (FCC).   No se permite programar la radio para funcionar con una separación entre canales de 25 kHz, y esta opción se ha desactivado en la aplicación conforme a la normativa de la FCC vigente desde el 1 de enero de 2013.</translation>
    </message>
    <message>
        <source>At least one frequency in the RF Frequency table is out of the valid frequency range. CPS corrected it to 151.5 MHz in the profile.</source>
        <translation>Al menos una frecuencia de la tabla de frecuencias RF está fuera del rango válido. El CPS la ha corregido a 151.5 MHz en el perfil.</translation>
    </message>
    <message>
        <source>The profile names %1 channels in use but holds only %2. CPS uses the %2 channels it holds.</source>
        <translation>El perfil indica %1 canales en uso, pero solo contiene %2. El CPS usa los %2 canales que contiene.</translation>
    </message>
</context>
<context>
    <name>ProfileComparison</name>
    <message>
        <source>(none)</source>
        <translation>(ninguno)</translation>
    </message>
</context>
<context>
    <name>ProfileDocument</name>
    <message>
        <source>The file &quot;%1&quot; cannot be read.</source>
        <translation>No se puede leer el archivo &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Failed to save &quot;%1&quot;: %2</source>
        <translation>No se ha podido guardar &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Read from the radio</source>
        <translation>Lectura de la radio</translation>
    </message>
</context>
<context>
    <name>ProfileFields</name>
    <message>
        <source>no change: the radio or the template sets it</source>
        <translation>sin cambio: lo fija la radio o la plantilla</translation>
    </message>
    <message>
        <source>0 or 1</source>
        <translation>0 o 1</translation>
    </message>
    <message>
        <source>a number from %1 to %2</source>
        <translation>un número de %1 a %2</translation>
    </message>
    <message>
        <source>one of %1</source>
        <translation>uno de %1</translation>
    </message>
    <message>
        <source>a text of at most %1 characters</source>
        <translation>un texto de como máximo %1 caracteres</translation>
    </message>
    <message>
        <source>%1 digits or nothing</source>
        <translation>%1 dígitos o nada</translation>
    </message>
    <message>
        <source>%1 takes %2.</source>
        <translation>%1 admite %2.</translation>
    </message>
    <message>
        <source>Clone Compatibility</source>
        <translation>Compatibilidad de clonación</translation>
    </message>
    <message>
        <source>Firmware Phase</source>
        <translation>Fase del firmware</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <translation>Versión de firmware</translation>
    </message>
    <message>
        <source>Firmware Revision</source>
        <translation>Revisión del firmware</translation>
    </message>
    <message>
        <source>Codeplug Phase</source>
        <translation>Fase del codeplug</translation>
    </message>
    <message>
        <source>Codeplug Version</source>
        <translation>Versión del codeplug</translation>
    </message>
    <message>
        <source>Codeplug Development Version</source>
        <translation>Versión de desarrollo del codeplug</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modelo</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Número de serie</translation>
    </message>
    <message>
        <source>Synthesizer Base Frequency</source>
        <translation>Frecuencia base del sintetizador</translation>
    </message>
    <message>
        <source>Sub-region</source>
        <translation>Subregión</translation>
    </message>
    <message>
        <source>Maximum Channel</source>
        <translation>Máximo de canales</translation>
    </message>
    <message>
        <source>Frequencies in Use</source>
        <translation>Frecuencias en uso</translation>
    </message>
    <message>
        <source>Lowest Frequency</source>
        <translation>Frecuencia mínima</translation>
    </message>
    <message>
        <source>Highest Frequency</source>
        <translation>Frecuencia máxima</translation>
    </message>
    <message>
        <source>Lowest Receive Frequency</source>
        <translation>Frecuencia de recepción mínima</translation>
    </message>
    <message>
        <source>Highest Receive Frequency</source>
        <translation>Frecuencia de recepción máxima</translation>
    </message>
    <message>
        <source>Lowest Transmit Frequency</source>
        <translation>Frecuencia de transmisión mínima</translation>
    </message>
    <message>
        <source>Highest Transmit Frequency</source>
        <translation>Frecuencia de transmisión máxima</translation>
    </message>
    <message>
        <source>Time-out Timer Not Available</source>
        <translation>Temporizador de transmisión no disponible</translation>
    </message>
    <message>
        <source>Keypad Beep Not Available</source>
        <translation>Tono de teclado no disponible</translation>
    </message>
    <message>
        <source>Roger Beep Not Available</source>
        <translation>Tono Roger no disponible</translation>
    </message>
    <message>
        <source>Busy LED Not Available</source>
        <translation>LED de ocupado no disponible</translation>
    </message>
    <message>
        <source>PL Reverse Burst Available</source>
        <translation>Ráfaga inversa PL disponible</translation>
    </message>
    <message>
        <source>VOX Not Available</source>
        <translation>VOX no disponible</translation>
    </message>
    <message>
        <source>iVOX Not Available</source>
        <translation>iVOX no disponible</translation>
    </message>
    <message>
        <source>Scramble Not Available</source>
        <translation>Cifrado de voz no disponible</translation>
    </message>
    <message>
        <source>Battery Save Not Available</source>
        <translation>Ahorro de batería no disponible</translation>
    </message>
    <message>
        <source>Factory Reset Not Available</source>
        <translation>Restablecimiento de fábrica no disponible</translation>
    </message>
    <message>
        <source>Scan Not Available</source>
        <translation>Escaneo no disponible</translation>
    </message>
    <message>
        <source>Number of Call Tones</source>
        <translation>Número de tonos de llamada</translation>
    </message>
    <message>
        <source>Number of Preset Buttons</source>
        <translation>Número de botones de preselección</translation>
    </message>
    <message>
        <source>Number of PL/DPL Codes</source>
        <translation>Número de códigos PL/DPL</translation>
    </message>
    <message>
        <source>Power Selection Available</source>
        <translation>Selección de potencia disponible</translation>
    </message>
    <message>
        <source>Backlight Button Available</source>
        <translation>Botón de retroiluminación disponible</translation>
    </message>
    <message>
        <source>Enable Programming Mode</source>
        <translation>Activar modo de programación</translation>
    </message>
    <message>
        <source>Call Not Available</source>
        <translation>Llamada no disponible</translation>
    </message>
    <message>
        <source>Monitor Not Available</source>
        <translation>Monitor no disponible</translation>
    </message>
    <message>
        <source>Keypad Lock Not Available</source>
        <translation>Bloqueo de teclado no disponible</translation>
    </message>
    <message>
        <source>Repeater Not Available</source>
        <translation>Repetidor no disponible</translation>
    </message>
    <message>
        <source>Channel Disabling Available</source>
        <translation>Desactivación de canales disponible</translation>
    </message>
    <message>
        <source>Talkaround Scan Available</source>
        <translation>Escaneo de directo disponible</translation>
    </message>
    <message>
        <source>Channel Announcement Available</source>
        <translation>Anuncio de canal disponible</translation>
    </message>
    <message>
        <source>Codeplug Password (4-digit number)</source>
        <translation>Contraseña del codeplug (4 dígitos)</translation>
    </message>
    <message>
        <source>Disable All LEDs</source>
        <translation>Desactivar todos los LED</translation>
    </message>
    <message>
        <source>Disable Restore Factory Default</source>
        <translation>Desactivar restaurar valores de fábrica</translation>
    </message>
    <message>
        <source>Backlight</source>
        <translation>Retroiluminación</translation>
    </message>
    <message>
        <source>Transmit Timeout Timer (Sec.)</source>
        <translation>Temporizador de TX, TOT (s)</translation>
    </message>
    <message>
        <source>PL Reverse Burst</source>
        <translation>Ráfaga inversa PL</translation>
    </message>
    <message>
        <source>VOX Level</source>
        <translation>Nivel VOX</translation>
    </message>
    <message>
        <source>iVOX Level</source>
        <translation>Nivel iVOX</translation>
    </message>
    <message>
        <source>Microphone Gain</source>
        <translation>Ganancia del micrófono</translation>
    </message>
    <message>
        <source>Accessory Microphone Gain</source>
        <translation>Ganancia del micrófono externo</translation>
    </message>
    <message>
        <source>Alternate Battery Selection</source>
        <translation>Selección de batería alternativa</translation>
    </message>
    <message>
        <source>Disable Battery Save</source>
        <translation>Desactivar ahorro de batería</translation>
    </message>
    <message>
        <source>Side Button 1 (SB1)</source>
        <translation>Botón lateral 1 (SB1)</translation>
    </message>
    <message>
        <source>Side Button 2 (SB2)</source>
        <translation>Botón lateral 2 (SB2)</translation>
    </message>
    <message>
        <source>Button A</source>
        <translation>Botón A</translation>
    </message>
    <message>
        <source>Button B</source>
        <translation>Botón B</translation>
    </message>
    <message>
        <source>Button C</source>
        <translation>Botón C</translation>
    </message>
    <message>
        <source>Number of Channels</source>
        <translation>Número de canales</translation>
    </message>
    <message>
        <source>Channel Announcement Language</source>
        <translation>Idioma del anuncio de canal</translation>
    </message>
    <message>
        <source>PL Code 124 (Hz)</source>
        <translation>Código PL 124 (Hz)</translation>
    </message>
    <message>
        <source>PL Code 125 (Hz)</source>
        <translation>Código PL 125 (Hz)</translation>
    </message>
    <message>
        <source>PL Code 126 (Hz)</source>
        <translation>Código PL 126 (Hz)</translation>
    </message>
    <message>
        <source>PL Code 127 (Hz)</source>
        <translation>Código PL 127 (Hz)</translation>
    </message>
    <message>
        <source>PL Code 128 (Hz)</source>
        <translation>Código PL 128 (Hz)</translation>
    </message>
    <message>
        <source>PL Code 129 (Hz)</source>
        <translation>Código PL 129 (Hz)</translation>
    </message>
    <message>
        <source>PL Code 214 (OCT)</source>
        <translation>Código PL 214 (OCT)</translation>
    </message>
    <message>
        <source>PL Code 215 (OCT)</source>
        <translation>Código PL 215 (OCT)</translation>
    </message>
    <message>
        <source>PL Code 216 (OCT)</source>
        <translation>Código PL 216 (OCT)</translation>
    </message>
    <message>
        <source>PL Code 217 (OCT)</source>
        <translation>Código PL 217 (OCT)</translation>
    </message>
    <message>
        <source>PL Code 218 (OCT)</source>
        <translation>Código PL 218 (OCT)</translation>
    </message>
    <message>
        <source>PL Code 219 (OCT)</source>
        <translation>Código PL 219 (OCT)</translation>
    </message>
    <message>
        <source>Power Up Text</source>
        <translation>Texto de encendido</translation>
    </message>
    <message>
        <source>Roger Beep Tone</source>
        <translation>Tono Roger</translation>
    </message>
    <message>
        <source>Scramble Button</source>
        <translation>Botón de cifrado</translation>
    </message>
    <message>
        <source>Back Light (Sec.)</source>
        <translation>Retroiluminación (s)</translation>
    </message>
    <message>
        <source>Call Tone</source>
        <translation>Tono de llamada</translation>
    </message>
    <message>
        <source>Keypad Lock</source>
        <translation>Bloqueo de teclado</translation>
    </message>
    <message>
        <source>Keypad Beep</source>
        <translation>Tono de teclado</translation>
    </message>
    <message>
        <source>Repeater Station ID</source>
        <translation>ID de estación repetidora</translation>
    </message>
    <message>
        <source>Repeater ID Mode</source>
        <translation>Modo de ID de repetidor</translation>
    </message>
    <message>
        <source>Tx Hangtime (Sec.)</source>
        <translation>Tiempo de retención TX (s)</translation>
    </message>
    <message>
        <source>Tx Low Battery (Min.)</source>
        <translation>TX con batería baja (min)</translation>
    </message>
    <message>
        <source>On Battery Alert Tone</source>
        <translation>Tono de alerta de batería</translation>
    </message>
    <message>
        <source>Enable Courtesy Over Beep</source>
        <translation>Activar tono de cortesía</translation>
    </message>
    <message>
        <source>Preset Channel</source>
        <translation>Canal de preselección</translation>
    </message>
    <message>
        <source>Receive Frequency</source>
        <translation>Frecuencia de recepción</translation>
    </message>
    <message>
        <source>Receive PL/DPL Code</source>
        <translation>Código PL/DPL de recepción</translation>
    </message>
    <message>
        <source>Transmit Frequency</source>
        <translation>Frecuencia de transmisión</translation>
    </message>
    <message>
        <source>Transmit PL/DPL Code</source>
        <translation>Código PL/DPL de transmisión</translation>
    </message>
    <message>
        <source>Receive Bandwidth (0 12.5 KHz, 1 25 KHz)</source>
        <translation>Ancho de banda de recepción (0 12,5 kHz, 1 25 kHz)</translation>
    </message>
    <message>
        <source>Transmit Bandwidth (0 12.5 KHz, 1 25 KHz)</source>
        <translation>Ancho de banda de transmisión (0 12,5 kHz, 1 25 kHz)</translation>
    </message>
    <message>
        <source>Talkaround Power (0 low, 1 high)</source>
        <translation>Potencia en directo (0 baja, 1 alta)</translation>
    </message>
    <message>
        <source>Repeater Power (0 low, 1 high)</source>
        <translation>Potencia con repetidor (0 baja, 1 alta)</translation>
    </message>
    <message>
        <source>Repeater</source>
        <translation>Repetidor</translation>
    </message>
    <message>
        <source>Auto Scan</source>
        <translation>Escaneo automático</translation>
    </message>
    <message>
        <source>Scramble</source>
        <translation>Cifrado de voz</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Disable Channel</source>
        <translation>Desactivar canal</translation>
    </message>
    <message>
        <source>Dynamic Talkaround Scan</source>
        <translation>Escaneo dinámico de directo</translation>
    </message>
    <message>
        <source>Scan List</source>
        <translation>Lista de escaneo</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frecuencia</translation>
    </message>
    <message>
        <source>Bandwidth</source>
        <translation>Ancho de banda</translation>
    </message>
    <message>
        <source>Power Level</source>
        <translation>Nivel de potencia</translation>
    </message>
    <message>
        <source>Compander</source>
        <translation>Compansor</translation>
    </message>
    <message>
        <source>Radio Information</source>
        <translation>Información de la radio</translation>
    </message>
    <message>
        <source>Radio Limits</source>
        <translation>Límites de la radio</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>Preset</source>
        <translation>Preajuste</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Canal</translation>
    </message>
</context>
<context>
    <name>ProfileFileCheck</name>
    <message>
        <source>The CPS does not support this profile&apos;s region.</source>
        <translation>El CPS no admite la región de este perfil.</translation>
    </message>
    <message>
        <source> Please use the &quot;%1&quot;.</source>
        <translation> Utilice &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Invalid Frequency.</source>
        <translation>Frecuencia no válida.</translation>
    </message>
    <message>
        <source>Codeplug version of CPS and profile are incompatible! Please update your CPS.</source>
        <translation>Las versiones de codeplug del CPS y del perfil no son compatibles. Actualice el CPS.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be opened: %2.</source>
        <translation>No se puede abrir el archivo &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>The profile holds a value the CPS cannot set: %1 is &quot;%2&quot;, where %3 may be chosen. Please correct the file.</source>
        <translation>El perfil contiene un valor que el CPS no puede configurar: %1 es &quot;%2&quot;, cuando se puede elegir %3. Corrija el archivo.</translation>
    </message>
</context>
<context>
    <name>RadioBackups</name>
    <message>
        <source>The radio backup folder %1 cannot be written: %2</source>
        <translation>No se puede escribir en la carpeta de copias de seguridad de radios %1: %2</translation>
    </message>
    <message>
        <source>%1 is no radio backup: it cannot be opened as one.</source>
        <translation>%1 no es una copia de seguridad de radio: no se puede abrir como tal.</translation>
    </message>
    <message>
        <source>%1 is no radio backup of this program.</source>
        <translation>%1 no es una copia de seguridad de radio de este programa.</translation>
    </message>
    <message>
        <source>The radio backup %1 is damaged; it is not written to a radio.</source>
        <translation>La copia de seguridad de la radio %1 está dañada; no se escribe en ninguna radio.</translation>
    </message>
    <message>
        <source>The radio backup folder %1 cannot be made: %2</source>
        <translation>No se puede crear la carpeta de copias de seguridad de radios %1: %2</translation>
    </message>
    <message>
        <source>The radio backup %1 cannot be written: %2</source>
        <translation>No se puede escribir la copia de seguridad de la radio %1: %2</translation>
    </message>
</context>
<context>
    <name>RadioChecks</name>
    <message>
        <source>The current profile is not compatible with the radio.</source>
        <translation>El perfil actual no es compatible con la radio.</translation>
    </message>
    <message>
        <source>When converting from high-tier radio to low-tier radio, some data may be lost. Do you want to continue?</source>
        <translation>Al convertir de una radio de gama alta a una de gama baja pueden perderse datos. ¿Desea continuar?</translation>
    </message>
    <message>
        <source>The CPS does not support this radio model.</source>
        <translation>El CPS no admite este modelo de radio.</translation>
    </message>
    <message>
        <source>The CPS does not support this radio&apos;s region.</source>
        <translation>El CPS no admite la región de esta radio.</translation>
    </message>
    <message>
        <source> Please use the &quot;%1&quot;.</source>
        <translation> Utilice &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Codeplug version of CPS and radio are incompatible! Please update your CPS.</source>
        <translation>Las versiones de codeplug del CPS y de la radio no son compatibles. Actualice el CPS.</translation>
    </message>
    <message>
        <source>The radio being programmed does not match the model in the current profile.</source>
        <translation>La radio que se está programando no coincide con el modelo del perfil actual.</translation>
    </message>
    <message>
        <source>Invalid frequency: This frequency is not supported by this radio.</source>
        <translation>Frecuencia no válida: esta radio no admite esta frecuencia.</translation>
    </message>
    <message>
        <source>Some profile information is not supported by the host radio and therefore will not be transferred(PL/DPL Code). </source>
        <translation>La radio no admite algunos datos del perfil, que por tanto no se transferirán (código PL/DPL). </translation>
    </message>
    <message>
        <source>The radio you are programing has a lower version codeplug, some new features can not be used after writing.</source>
        <translation>La radio que está programando tiene una versión anterior de codeplug; algunas funciones nuevas no se podrán usar tras la escritura.</translation>
    </message>
    <message>
        <source>Error: Communication Error.</source>
        <translation>Error: error de comunicación.</translation>
    </message>
    <message>
        <source>Error: Operation Failed (%1).</source>
        <translation>Error: la operación ha fallado (%1).</translation>
    </message>
    <message>
        <source>Radio&apos;s memory is corrupted. Please perform factory reset to correct the error.</source>
        <translation>La memoria de la radio está dañada. Restablezca los valores de fábrica para corregir el error.</translation>
    </message>
    <message>
        <source>Radio&apos;s memory is corrupted. Please return to manufacture for correction.</source>
        <translation>La memoria de la radio está dañada. Envíela al fabricante para su reparación.</translation>
    </message>
    <message>
        <source>Unknown warning!</source>
        <translation>Advertencia desconocida.</translation>
    </message>
    <message>
        <source>Warning: %1</source>
        <translation>Advertencia: %1</translation>
    </message>
    <message>
        <source>No programming cable was found.</source>
        <translation>No se ha encontrado ningún cable de programación.</translation>
    </message>
    <message>
        <source>The programming cable is in use by another program.</source>
        <translation>Otro programa está usando el cable de programación.</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>Customer Handout</source>
        <translation>Hoja para el cliente</translation>
    </message>
    <message>
        <source>Detailed Report</source>
        <translation>Informe detallado</translation>
    </message>
    <message>
        <source>Error: Load dealer information failed.</source>
        <translation>Error: no se han podido cargar los datos del distribuidor.</translation>
    </message>
    <message>
        <source>2W limit</source>
        <translation>Límite de 2 W</translation>
    </message>
    <message>
        <source>The e-mail program xdg-email is not available, you need to install it (xdg-utils) and a mail program to send an e-mail.</source>
        <translation>El programa de correo xdg-email no está disponible. Para enviar un correo electrónico, instálelo (xdg-utils) junto con un programa de correo.</translation>
    </message>
    <message>
        <source>User selectable with %1 KHz as default</source>
        <translation>Seleccionable, %1 kHz por defecto</translation>
    </message>
    <message>
        <source>%1 KHz only</source>
        <translation>Solo %1 kHz</translation>
    </message>
    <message>
        <source>%1 KHz</source>
        <translation>%1 kHz</translation>
    </message>
    <message>
        <source>Button A</source>
        <translation>Botón A</translation>
    </message>
    <message>
        <source>Button B</source>
        <translation>Botón B</translation>
    </message>
    <message>
        <source>Button C</source>
        <translation>Botón C</translation>
    </message>
    <message>
        <source>PL Code 214 (OCT)</source>
        <translation>Código PL 214 (OCT)</translation>
    </message>
    <message>
        <source>PL Code 215 (OCT)</source>
        <translation>Código PL 215 (OCT)</translation>
    </message>
    <message>
        <source>PL Code 216 (OCT)</source>
        <translation>Código PL 216 (OCT)</translation>
    </message>
    <message>
        <source>PL Code 217 (OCT)</source>
        <translation>Código PL 217 (OCT)</translation>
    </message>
    <message>
        <source>PL Code 218 (OCT)</source>
        <translation>Código PL 218 (OCT)</translation>
    </message>
    <message>
        <source>PL Code 219 (OCT)</source>
        <translation>Código PL 219 (OCT)</translation>
    </message>
    <message>
        <source>Scan List Members</source>
        <translation>Miembros de la lista de escaneo</translation>
    </message>
    <message>
        <source>Scramble Code 1</source>
        <translation>Código de cifrado 1</translation>
    </message>
    <message>
        <source>Scramble Code 2</source>
        <translation>Código de cifrado 2</translation>
    </message>
    <message>
        <source>Scramble Code 3</source>
        <translation>Código de cifrado 3</translation>
    </message>
    <message>
        <source>Side Button 1 (SB1)</source>
        <translation>Botón lateral 1 (SB1)</translation>
    </message>
    <message>
        <source>Side Button 2 (SB2)</source>
        <translation>Botón lateral 2 (SB2)</translation>
    </message>
    <message>
        <source>Dynamic Talkaround Scan</source>
        <translation>Escaneo dinámico de directo</translation>
    </message>
    <message>
        <source>Channel Announcement Language</source>
        <translation>Idioma del anuncio de canal</translation>
    </message>
    <message>
        <source>High power only</source>
        <translation>Solo potencia alta</translation>
    </message>
    <message>
        <source>User selectable with high power as default</source>
        <translation>Seleccionable, potencia alta por defecto</translation>
    </message>
    <message>
        <source>15 min</source>
        <translation>15 min</translation>
    </message>
    <message>
        <source>30 min</source>
        <translation>30 min</translation>
    </message>
    <message>
        <source>Call Tone</source>
        <translation>Tono de llamada</translation>
    </message>
    <message>
        <source>Monitor</source>
        <translation>Monitor</translation>
    </message>
    <message>
        <source>Preset 1</source>
        <translation>Preselección 1</translation>
    </message>
    <message>
        <source>Preset 2</source>
        <translation>Preselección 2</translation>
    </message>
    <message>
        <source>Scan/Nuisance Channel Delete</source>
        <translation>Escaneo/Borrar canal molesto</translation>
    </message>
    <message>
        <source>No Operation</source>
        <translation>Sin función</translation>
    </message>
    <message>
        <source>Tx Power Selection</source>
        <translation>Selección de potencia TX</translation>
    </message>
    <message>
        <source>Accessory Microphone Gain</source>
        <translation>Ganancia del micrófono externo</translation>
    </message>
    <message>
        <source>After conversation</source>
        <translation>Tras la conversación</translation>
    </message>
    <message>
        <source>Alkaline</source>
        <translation>Alcalina</translation>
    </message>
    <message>
        <source>Alternate Battery Selection</source>
        <translation>Selección de batería alternativa</translation>
    </message>
    <message>
        <source>Audio Settings</source>
        <translation>Ajustes de audio</translation>
    </message>
    <message>
        <source>Auto Scan</source>
        <translation>Escaneo automático</translation>
    </message>
    <message>
        <source>Available Channels</source>
        <translation>Canales disponibles</translation>
    </message>
    <message>
        <source>Back Light (Sec.)</source>
        <translation>Retroiluminación (s)</translation>
    </message>
    <message>
        <source>Backlight</source>
        <translation>Retroiluminación</translation>
    </message>
    <message>
        <source>Bandwidth</source>
        <translation>Ancho de banda</translation>
    </message>
    <message>
        <source>Buttons</source>
        <translation>Botones</translation>
    </message>
    <message>
        <source>Channel #</source>
        <translation>N.º de canal</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Canales</translation>
    </message>
    <message>
        <source>Codeplug Version</source>
        <translation>Versión del codeplug</translation>
    </message>
    <message>
        <source>Customized PL</source>
        <translation>PL personalizado</translation>
    </message>
    <message>
        <source>Compander</source>
        <translation>Compansor</translation>
    </message>
    <message>
        <source>Customized DPL</source>
        <translation>DPL personalizado</translation>
    </message>
    <message>
        <source>Disable All LEDs</source>
        <translation>Desactivar todos los LED</translation>
    </message>
    <message>
        <source>Disable Battery Save</source>
        <translation>Desactivar ahorro de batería</translation>
    </message>
    <message>
        <source>Disable Restore Factory Default</source>
        <translation>Desactivar restaurar valores de fábrica</translation>
    </message>
    <message>
        <source>Disable Channel</source>
        <translation>Desactivar canal</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Desactivado</translation>
    </message>
    <message>
        <source>Enable Courtesy Over Beep</source>
        <translation>Activar tono de cortesía</translation>
    </message>
    <message>
        <source>Enable Programming Mode</source>
        <translation>Activar modo de programación</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Activado</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Inglés</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <translation>Versión de firmware</translation>
    </message>
    <message>
        <source>Frequency Range (MHz)</source>
        <translation>Rango de frecuencias (MHz)</translation>
    </message>
    <message>
        <source>Frequency(Index)</source>
        <translation>Frecuencia (índice)</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frecuencia</translation>
    </message>
    <message>
        <source>General Settings</source>
        <translation>Ajustes generales</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Alta</translation>
    </message>
    <message>
        <source>iVOX Level</source>
        <translation>Nivel iVOX</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Índice</translation>
    </message>
    <message>
        <source>Keypad Beep</source>
        <translation>Tono de teclado</translation>
    </message>
    <message>
        <source>Keypad Lock</source>
        <translation>Bloqueo de teclado</translation>
    </message>
    <message>
        <source>Low power only</source>
        <translation>Solo potencia baja</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Baja</translation>
    </message>
    <message>
        <source>Maximum Channel</source>
        <translation>Máximo de canales</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Media</translation>
    </message>
    <message>
        <source>MHz</source>
        <translation>MHz</translation>
    </message>
    <message>
        <source>Microphone Gain</source>
        <translation>Ganancia del micrófono</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Nickel/LiIon</source>
        <translation>Níquel/Li-ion</translation>
    </message>
    <message>
        <source>No PL/DPL code</source>
        <translation>Sin código PL/DPL</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>On Battery Alert Tone</source>
        <translation>Tono de alerta de batería</translation>
    </message>
    <message>
        <source>ON/OFF</source>
        <translation>Act./Desact.</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>Desactivado</translation>
    </message>
    <message>
        <source>Out of range</source>
        <translation>Fuera de rango</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>Activado</translation>
    </message>
    <message>
        <source>PL Code 124 (Hz)</source>
        <translation>Código PL 124 (Hz)</translation>
    </message>
    <message>
        <source>PL Code 125 (Hz)</source>
        <translation>Código PL 125 (Hz)</translation>
    </message>
    <message>
        <source>PL Code 126 (Hz)</source>
        <translation>Código PL 126 (Hz)</translation>
    </message>
    <message>
        <source>PL Code 127 (Hz)</source>
        <translation>Código PL 127 (Hz)</translation>
    </message>
    <message>
        <source>PL Code 128 (Hz)</source>
        <translation>Código PL 128 (Hz)</translation>
    </message>
    <message>
        <source>PL Code 129 (Hz)</source>
        <translation>Código PL 129 (Hz)</translation>
    </message>
    <message>
        <source>PL Reverse Burst</source>
        <translation>Ráfaga inversa PL</translation>
    </message>
    <message>
        <source>PL/DPL Code</source>
        <translation>Código PL/DPL</translation>
    </message>
    <message>
        <source>Power Level</source>
        <translation>Nivel de potencia</translation>
    </message>
    <message>
        <source>Power Up Text</source>
        <translation>Texto de encendido</translation>
    </message>
    <message>
        <source>Preset 1 Channel</source>
        <translation>Canal de preselección 1</translation>
    </message>
    <message>
        <source>Preset 2 Channel</source>
        <translation>Canal de preselección 2</translation>
    </message>
    <message>
        <source>Radio Information</source>
        <translation>Información de la radio</translation>
    </message>
    <message>
        <source>Receive/Transmit</source>
        <translation>Recepción/Transmisión</translation>
    </message>
    <message>
        <source>Receive</source>
        <translation>Recepción</translation>
    </message>
    <message>
        <source>Regional Code</source>
        <translation>Código regional</translation>
    </message>
    <message>
        <source>Repeater ID Mode</source>
        <translation>Modo de ID de repetidor</translation>
    </message>
    <message>
        <source>Repeater Power</source>
        <translation>Potencia vía repetidor</translation>
    </message>
    <message>
        <source>Repeater Station ID</source>
        <translation>ID de estación repetidora</translation>
    </message>
    <message>
        <source>Repeater/Talkaround</source>
        <translation>Repetidor/Directo</translation>
    </message>
    <message>
        <source>Repeater</source>
        <translation>Repetidor</translation>
    </message>
    <message>
        <source>Roger Beep Tone</source>
        <translation>Tono Roger</translation>
    </message>
    <message>
        <source>Rx Frequency Range (MHz)</source>
        <translation>Rango de frecuencias RX (MHz)</translation>
    </message>
    <message>
        <source>Scan List</source>
        <translation>Lista de escaneo</translation>
    </message>
    <message>
        <source>Scramble Button</source>
        <translation>Botón de cifrado</translation>
    </message>
    <message>
        <source>Scramble</source>
        <translation>Cifrado de voz</translation>
    </message>
    <message>
        <source>Selectable</source>
        <translation>Seleccionable</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Número de serie</translation>
    </message>
    <message>
        <source>Talkaround Power</source>
        <translation>Potencia en directo</translation>
    </message>
    <message>
        <source>Transmit Power</source>
        <translation>Potencia de transmisión</translation>
    </message>
    <message>
        <source>Transmit Timeout Timer (Sec.)</source>
        <translation>Temporizador de TX, TOT (s)</translation>
    </message>
    <message>
        <source>Transmit</source>
        <translation>Transmisión</translation>
    </message>
    <message>
        <source>Tx Frequency Range (MHz)</source>
        <translation>Rango de frecuencias TX (MHz)</translation>
    </message>
    <message>
        <source>Tx Hangtime (Sec.)</source>
        <translation>Tiempo de retención TX (s)</translation>
    </message>
    <message>
        <source>Tx Low Battery (Min.)</source>
        <translation>TX con batería baja (min)</translation>
    </message>
    <message>
        <source>User selectable with low power as default</source>
        <translation>Seleccionable, potencia baja por defecto</translation>
    </message>
    <message>
        <source>VOX Level</source>
        <translation>Nivel VOX</translation>
    </message>
    <message>
        <source>45 min</source>
        <translation>45 min</translation>
    </message>
    <message>
        <source>60 min</source>
        <translation>60 min</translation>
    </message>
    <message>
        <source>Accessory Jack</source>
        <translation>Conector de accesorios</translation>
    </message>
    <message>
        <source>Channel Selector</source>
        <translation>Selector de canales</translation>
    </message>
    <message>
        <source>QA310</source>
        <translation>QA310</translation>
    </message>
    <message>
        <source>Down Button:</source>
        <translation>Botón Abajo:</translation>
    </message>
    <message>
        <source>Li-Ion Battery Pack</source>
        <translation>Batería de iones de litio</translation>
    </message>
    <message>
        <source>Menu Button:</source>
        <translation>Botón Menú:</translation>
    </message>
    <message>
        <source>Menu Mode</source>
        <translation>Modo de menú</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Micrófono</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Número de modelo</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modelo</translation>
    </message>
    <message>
        <source>Power/Volume Knob</source>
        <translation>Mando de encendido/volumen</translation>
    </message>
    <message>
        <source>Push-to-Talk (PTT)</source>
        <translation>Pulsar para hablar (PTT)</translation>
    </message>
    <message>
        <source>KVX</source>
        <translation>KVX</translation>
    </message>
    <message>
        <source>Scroll down the menu items/change channel</source>
        <translation>Bajar por el menú/cambiar de canal</translation>
    </message>
    <message>
        <source>Scroll up the menu items/change channel</source>
        <translation>Subir por el menú/cambiar de canal</translation>
    </message>
    <message>
        <source>QB420</source>
        <translation>QB420</translation>
    </message>
    <message>
        <source>Spring Action Belt Clip</source>
        <translation>Pinza de cinturón con resorte</translation>
    </message>
    <message>
        <source>Tri-Color LED</source>
        <translation>LED tricolor</translation>
    </message>
    <message>
        <source>Up Button:</source>
        <translation>Botón Arriba:</translation>
    </message>
    <message>
        <source>ZWTa</source>
        <translation>ZWTa</translation>
    </message>
    <message>
        <source>KVM</source>
        <translation>KVM</translation>
    </message>
    <message>
        <source>Failed to generate report.</source>
        <translation>No se ha podido generar el informe.</translation>
    </message>
    <message>
        <source>(default)</source>
        <translation>(predeterminado)</translation>
    </message>
    <message>
        <source>The e-mail program xdg-email failed with exit status %1.</source>
        <translation>El programa de correo electrónico xdg-email ha fallado con el código de salida %1.</translation>
    </message>
</context>
<context>
    <name>SafeFile</name>
    <message>
        <source>Not a regular file</source>
        <translation>No es un archivo normal</translation>
    </message>
    <message>
        <source>Too large: %1 bytes, where at most %2 are read</source>
        <translation>Demasiado grande: %1 bytes, cuando se leen como máximo %2</translation>
    </message>
    <message>
        <source>Damaged: UTF-16 text of an odd number of bytes</source>
        <translation>Dañado: texto UTF-16 con un número impar de bytes</translation>
    </message>
</context>
<context>
    <name>ScriptHost</name>
    <message>
        <source>IActiveScriptSite::OnScriptError()
Line: 0
%1 is not a function in the hook script</source>
        <translation>IActiveScriptSite::OnScriptError()
Línea: 0
%1 no es una función del script de enlace</translation>
    </message>
    <message>
        <source>IActiveScriptSite::OnScriptError()
Line: 0
The hook %1 ran longer than %2 ms and was stopped.</source>
        <translation>IActiveScriptSite::OnScriptError()
Línea: 0
El enlace %1 se ejecutó durante más de %2 ms y se detuvo.</translation>
    </message>
    <message>
        <source>IActiveScriptSite::OnScriptError()
Line: %1
%2</source>
        <translation>IActiveScriptSite::OnScriptError()
Línea: %1
%2</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>The value is not valid.</source>
        <translation>El valor no es válido.</translation>
    </message>
    <message>
        <source>A channel name must have 1 to 8 characters. Please enter another name.</source>
        <translation>El nombre de un canal debe tener entre 1 y 8 caracteres. Introduzca otro nombre.</translation>
    </message>
    <message>
        <source>Another channel already has this name. Please enter a different name.</source>
        <translation>Ya hay otro canal con este nombre. Introduzca un nombre distinto.</translation>
    </message>
    <message>
        <source>A channel name can only contain letters, digits, blanks and the punctuation marks of a standard keyboard. Please enter another name.</source>
        <translation>El nombre de un canal solo puede contener letras, dígitos, espacios y los signos de puntuación de un teclado estándar. Introduzca otro nombre.</translation>
    </message>
    <message>
        <source>The codeplug password must be exactly 4 digits, or empty for no password.</source>
        <translation>La contraseña del codeplug debe tener exactamente 4 dígitos, o quedar vacía para no usar contraseña.</translation>
    </message>
    <message>
        <source>The power up text can have at most 8 characters, each one of: A-Z, 0-9, b, c, d, g, h, l, i, o, r, u, *, {, }, ?, &amp;, %, ., +, /, \, -, &apos;</source>
        <translation>El texto de encendido puede tener como máximo 8 caracteres, cada uno de ellos entre: A-Z, 0-9, b, c, d, g, h, l, i, o, r, u, *, {, }, ?, &amp;, %, ., +, /, \, -, &apos;</translation>
    </message>
    <message>
        <source>The repeater station ID can have at most 9 characters, letters and digits only.</source>
        <translation>El ID de estación repetidora puede tener como máximo 9 caracteres, solo letras y dígitos.</translation>
    </message>
    <message>
        <source>The Tx hang time must be a whole number of seconds from 0 to 50.</source>
        <translation>El tiempo de retención TX debe ser un número entero de segundos entre 0 y 50.</translation>
    </message>
    <message>
        <source>The Tx low battery time must be a whole number of minutes from 0 to 255.</source>
        <translation>El tiempo de TX con batería baja debe ser un número entero de minutos entre 0 y 255.</translation>
    </message>
    <message>
        <source>A customized PL tone must be from 67.0 to 255.0 Hz.</source>
        <translation>Un tono PL personalizado debe estar entre 67,0 y 255,0 Hz.</translation>
    </message>
    <message>
        <source>A customized DPL code must be an octal code from 001 to 777.</source>
        <translation>Un código DPL personalizado debe ser un código octal entre 001 y 777.</translation>
    </message>
    <message>
        <source>One feature can not be assigned to multiple buttons. Choose another feature, or first remove this one from the button that has it.</source>
        <translation>No se puede asignar una misma función a varios botones. Elija otra función o quítela primero del botón que la tiene.</translation>
    </message>
    <message>
        <source>This radio model does not support this PL/DPL code. Please choose another code.</source>
        <translation>Este modelo de radio no admite este código PL/DPL. Elija otro código.</translation>
    </message>
    <message>
        <source>A preset can only use an enabled channel of this profile. Please choose another channel.</source>
        <translation>Una preselección solo puede usar un canal activado de este perfil. Elija otro canal.</translation>
    </message>
    <message>
        <source>This is the last enabled channel and can not be disabled. Enable another channel first.</source>
        <translation>Este es el último canal activado y no se puede desactivar. Active antes otro canal.</translation>
    </message>
    <message>
        <source>This frequency is not in the RF frequency table. Please choose a frequency of the table.</source>
        <translation>Esta frecuencia no está en la tabla de frecuencias RF. Elija una frecuencia de la tabla.</translation>
    </message>
    <message>
        <source>This channel is assigned to a Preset Channel button. Deleting it moves the preset to another channel. Do you want to continue?</source>
        <translation>Este canal está asignado a un botón de canal preseleccionado. Si lo elimina, la preselección pasará a otro canal. ¿Desea continuar?</translation>
    </message>
    <message>
        <source>This channel can not be deleted: at least one enabled channel must remain.</source>
        <translation>No se puede eliminar este canal: debe quedar al menos un canal activado.</translation>
    </message>
    <message>
        <source>The RF frequency table is full (99 frequencies). Delete a frequency that no channel uses before adding another one.</source>
        <translation>La tabla de frecuencias RF está llena (99 frecuencias). Elimine una frecuencia que no use ningún canal antes de añadir otra.</translation>
    </message>
    <message>
        <source>This frequency is already in the RF frequency table. Please enter a different frequency.</source>
        <translation>Esta frecuencia ya está en la tabla de frecuencias RF. Introduzca una frecuencia distinta.</translation>
    </message>
    <message>
        <source>This frequency is outside the frequency range of the radio (see Radio Information). Please enter a frequency within the range.</source>
        <translation>Esta frecuencia está fuera del rango de frecuencias de la radio (consulte Información de la radio). Introduzca una frecuencia dentro del rango.</translation>
    </message>
    <message>
        <source>MURS frequencies (151.820, 151.880, 151.940, 154.570 and 154.600 MHz) can not be programmed. Please enter a different frequency.</source>
        <translation>Las frecuencias MURS (151.820, 151.880, 151.940, 154.570 y 154.600 MHz) no se pueden programar. Introduzca una frecuencia distinta.</translation>
    </message>
    <message>
        <source>This frequency is used by a channel and can not be deleted. Give the channel another frequency first.</source>
        <translation>Un canal usa esta frecuencia y no se puede eliminar. Asigne antes otra frecuencia al canal.</translation>
    </message>
    <message>
        <source>Channels use this frequency. Changing its bandwidth or power level also changes the bandwidth and power of these channels. Do you want to continue?</source>
        <translation>Hay canales que usan esta frecuencia. Si cambia su ancho de banda o su nivel de potencia, también cambiarán el ancho de banda y la potencia de esos canales. ¿Desea continuar?</translation>
    </message>
    <message>
        <source>25 KHz channel spacing is not permitted in this radio&apos;s region. Please select &quot;12.5 KHz only&quot;.</source>
        <translation>La separación entre canales de 25 kHz no está permitida en la región de esta radio. Seleccione &quot;Solo 12,5 kHz&quot;.</translation>
    </message>
    <message>
        <source>The frequency, bandwidth, power level or compander value is not valid.</source>
        <translation>El valor de frecuencia, ancho de banda, nivel de potencia o compansor no es válido.</translation>
    </message>
    <message>
        <source>Unknown Error</source>
        <translation>Error desconocido</translation>
    </message>
    <message>
        <source>Programming error: 107.</source>
        <translation>Error de programación: 107.</translation>
    </message>
    <message>
        <source>Programming error: 108.</source>
        <translation>Error de programación: 108.</translation>
    </message>
    <message>
        <source>Fatal error: 102.
Please uninstall and re-install CPS.</source>
        <translation>Error grave: 102.
Desinstale el CPS y vuelva a instalarlo.</translation>
    </message>
    <message>
        <source>Invalid profile.</source>
        <translation>Perfil no válido.</translation>
    </message>
    <message>
        <source>Failed to load profile.</source>
        <translation>No se ha podido cargar el perfil.</translation>
    </message>
    <message>
        <source>Fatal error: 101.</source>
        <translation>Error grave: 101.</translation>
    </message>
    <message>
        <source>File format error. Failed to save.</source>
        <translation>Error de formato de archivo. No se ha podido guardar.</translation>
    </message>
    <message>
        <source>Some files needed by CPS are not available.
Please reinstall CPS.</source>
        <translation>Faltan algunos archivos que necesita el CPS.
Vuelva a instalar el CPS.</translation>
    </message>
</context>
<context>
    <name>SupportBundle</name>
    <message>
        <source>the archive could not be made</source>
        <translation>no se pudo crear el archivo comprimido</translation>
    </message>
</context>
<context>
    <name>TransmitPower</name>
    <message>
        <source>Low</source>
        <translation>Baja</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Alta</translation>
    </message>
</context>
</TS>
