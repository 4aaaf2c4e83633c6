<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>CoreMessages</name>
    <message>
        <source>file not found</source>
        <translation>archivo no encontrado</translation>
    </message>
    <message>
        <source>folder not found</source>
        <translation>carpeta no encontrada</translation>
    </message>
    <message>
        <source>access denied</source>
        <translation>acceso denegado</translation>
    </message>
    <message>
        <source>reading beyond the end of the file</source>
        <translation>lectura más allá del final del archivo</translation>
    </message>
    <message>
        <source>disk full</source>
        <translation>disco lleno</translation>
    </message>
    <message>
        <source>the file system is read-only</source>
        <translation>el sistema de archivos es de solo lectura</translation>
    </message>
    <message>
        <source>is a folder, not a file</source>
        <translation>es una carpeta, no un archivo</translation>
    </message>
    <message>
        <source>is a file, not a folder</source>
        <translation>es un archivo, no una carpeta</translation>
    </message>
    <message>
        <source>is not a folder</source>
        <translation>no es una carpeta</translation>
    </message>
    <message>
        <source>is not a regular file (a pipe or a device)</source>
        <translation>no es un archivo normal (una tubería o un dispositivo)</translation>
    </message>
    <message>
        <source>is a symbolic link, which Tessary does not follow</source>
        <translation>es un enlace simbólico, que Tessary no sigue</translation>
    </message>
    <message>
        <source>the path is too long</source>
        <translation>la ruta es demasiado larga</translation>
    </message>
    <message>
        <source>the file is in use by another program</source>
        <translation>otro programa está usando el archivo</translation>
    </message>
    <message>
        <source>nothing was changed</source>
        <translation>no se ha cambiado nada</translation>
    </message>
    <message>
        <source>nothing was written</source>
        <translation>no se ha escrito nada</translation>
    </message>
    <message>
        <source>error code %1 (%2)</source>
        <translation>código de error %1 (%2)</translation>
    </message>
    <message>
        <source>another program changed this file since Tessary loaded them: %1</source>
        <translation>otro programa ha cambiado este archivo desde que Tessary lo cargó: %1</translation>
    </message>
    <message>
        <source>another program changed these files since Tessary loaded them: %1</source>
        <translation>otro programa ha cambiado estos archivos desde que Tessary los cargó: %1</translation>
    </message>
    <message>
        <source>another program changed the record of installed mods since Tessary read it</source>
        <translation>otro programa ha cambiado el registro de mods instalados desde que Tessary lo leyó</translation>
    </message>
    <message>
        <source>another program is writing this game folder</source>
        <translation>otro programa está escribiendo en esta carpeta del juego</translation>
    </message>
    <message>
        <source>another program is reading this game folder</source>
        <translation>otro programa está leyendo esta carpeta del juego</translation>
    </message>
    <message>
        <source>try again when it has finished</source>
        <translation>inténtalo de nuevo cuando haya terminado</translation>
    </message>
    <message>
        <source>try again in a moment</source>
        <translation>inténtalo de nuevo en un momento</translation>
    </message>
    <message>
        <source>the files already replaced were put back, so nothing was changed</source>
        <translation>los archivos ya sustituidos se han restaurado, así que no se ha cambiado nada</translation>
    </message>
    <message>
        <source>the game folder is not loaded completely</source>
        <translation>la carpeta del juego no está cargada por completo</translation>
    </message>
    <message>
        <source>holds fewer pixels than its byte count</source>
        <translation>contiene menos píxeles de los que indica su número de bytes</translation>
    </message>
    <message>
        <source>this program reads no .png files</source>
        <translation>este programa no lee archivos .png</translation>
    </message>
    <message>
        <source>the archive is damaged</source>
        <translation>el archivo comprimido está dañado</translation>
    </message>
    <message>
        <source>there is no menu image number %1</source>
        <translation>no existe la imagen de menú número %1</translation>
    </message>
    <message>
        <source>there is no font number %1</source>
        <translation>no existe la fuente número %1</translation>
    </message>
    <message>
        <source>%1 true-colour .tga files can&apos;t be read</source>
        <translation>los archivos .tga de color verdadero de %1 no se pueden leer</translation>
    </message>
    <message>
        <source>save the picture with 24 or 32 bits per pixel</source>
        <translation>guarda la imagen con 24 o 32 bits por píxel</translation>
    </message>
    <message>
        <source>Sorry but Tessary can&apos;t read RLE encoded .tga files.</source>
        <translation>Lo siento, Tessary no puede leer archivos .tga con compresión RLE.</translation>
    </message>
</context>
<context>
    <name>ExternalEditor</name>
    <message>
        <source>No program opens .png files on this system; choose one with &quot;Choose image editor…&quot;.</source>
        <translation>Ningún programa abre archivos .png en este sistema; elige uno con «Elegir editor de imágenes…».</translation>
    </message>
    <message>
        <source>%1 can&apos;t be started.</source>
        <translation>%1 no se puede iniciar.</translation>
    </message>
</context>
<context>
    <name>GameFolder</name>
    <message>
        <source>the value could not be recorded</source>
        <translation>no se pudo guardar el valor</translation>
    </message>
    <message>
        <source>Please choose your GP4 folder</source>
        <translation>Elige tu carpeta de GP4</translation>
    </message>
    <message>
        <source>Sorry but this is not a valid GP4.exe file. Image folder can&apos;t be found</source>
        <translation>Lo siento, no es un archivo GP4.exe válido. No se encuentra la carpeta de imágenes</translation>
    </message>
    <message>
        <source>The game folder is recorded in Tessary&apos;s settings (%1), as %2 can&apos;t be changed (%3).</source>
        <translation>La carpeta del juego se guarda en los ajustes de Tessary (%1), porque %2 no se puede cambiar (%3).</translation>
    </message>
    <message>
        <source>%1: the game folder can&apos;t be recorded (%2)</source>
        <translation>%1: no se puede guardar la carpeta del juego (%2)</translation>
    </message>
    <message>
        <source>; %1: neither (%2)</source>
        <translation>; %1: tampoco (%2)</translation>
    </message>
</context>
<context>
    <name>ModViews</name>
    <message>
        <source>a Tessary mod package</source>
        <translation>un paquete de mod de Tessary</translation>
    </message>
    <message>
        <source>laid out as the game folder</source>
        <translation>organizado como la carpeta del juego</translation>
    </message>
    <message>
        <source>a set of pictures</source>
        <translation>un conjunto de imágenes</translation>
    </message>
    <message>
        <source>By %1, </source>
        <translation>De %1, </translation>
    </message>
    <message>
        <source>, from %1.</source>
        <translation>, desde %1.</translation>
    </message>
    <message>
        <source>the same as the picture there now</source>
        <translation>igual que la imagen actual</translation>
    </message>
    <message>
        <source>replaces your change not yet applied
(uninstalling the mod gives it back)</source>
        <translation>sustituye tu cambio aún no aplicado
(desinstalar el mod lo devuelve)</translation>
    </message>
    <message>
        <source>replaces your own picture
(uninstalling the mod gives it back)</source>
        <translation>sustituye tu propia imagen
(desinstalar el mod la devuelve)</translation>
    </message>
    <message>
        <source>covers the picture of the mod &quot;%1&quot;</source>
        <translation>cubre la imagen del mod «%1»</translation>
    </message>
    <message>
        <source>an edit</source>
        <translation>una edición</translation>
    </message>
    <message>
        <source>%1 (by %2)</source>
        <translation>%1 (por %2)</translation>
    </message>
</context>
<context>
    <name>PictureTip</name>
    <message>
        <source>Changed in Tessary, not yet applied</source>
        <translation>Cambiada en Tessary, aún no aplicada</translation>
    </message>
    <message>
        <source>As the game folder holds it</source>
        <translation>Como en la carpeta del juego</translation>
    </message>
    <message>
        <source>Differs from the game&apos;s original</source>
        <translation>Distinta del original del juego</translation>
    </message>
    <message>
        <source>The game&apos;s original</source>
        <translation>El original del juego</translation>
    </message>
    <message>
        <source>Can&apos;t be compared with the game&apos;s original: %1</source>
        <translation>No se puede comparar con el original del juego: %1</translation>
    </message>
    <message>
        <source>Image %1 (%1.gpi)</source>
        <translation>Imagen %1 (%1.gpi)</translation>
    </message>
    <message>
        <source>%1 × %2 pixels, %3 bytes</source>
        <translation>%1 × %2 píxeles, %3 bytes</translation>
    </message>
    <message>
        <source>Font sheet %1 (%2)</source>
        <translation>Hoja de fuente %1 (%2)</translation>
    </message>
    <message>
        <source>256 × 256 pixels, %1 bytes</source>
        <translation>256 × 256 píxeles, %1 bytes</translation>
    </message>
</context>
<context>
    <name>ProgramTexts</name>
    <message>
        <source>Pictures (*.tga *.png)</source>
        <translation>Imágenes (*.tga *.png)</translation>
    </message>
    <message>
        <source>Please select a folder</source>
        <translation>Selecciona una carpeta</translation>
    </message>
    <message>
        <source>Please choose a folder where all .tga files will be saved.</source>
        <translation>Elige la carpeta donde se guardarán todos los archivos .tga.</translation>
    </message>
    <message>
        <source>Please choose the folder that holds the pictures to load.</source>
        <translation>Elige la carpeta que contiene las imágenes que cargar.</translation>
    </message>
    <message>
        <source>Load all images from a folder…</source>
        <translation>Cargar todas las imágenes de una carpeta…</translation>
    </message>
    <message>
        <source>Load all font sheets from a folder…</source>
        <translation>Cargar todas las hojas de fuente de una carpeta…</translation>
    </message>
    <message>
        <source>Revert to the game folder&apos;s file</source>
        <translation>Volver al archivo de la carpeta del juego</translation>
    </message>
    <message>
        <source>Restore the game&apos;s original</source>
        <translation>Restaurar el original del juego</translation>
    </message>
    <message>
        <source>Edit in image editor…</source>
        <translation>Editar en el editor de imágenes…</translation>
    </message>
    <message>
        <source>Choose image editor…</source>
        <translation>Elegir editor de imágenes…</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rehacer</translation>
    </message>
    <message>
        <source>Save changes as a mod package…</source>
        <translation>Guardar los cambios como paquete de mod…</translation>
    </message>
    <message>
        <source>Install mod…</source>
        <translation>Instalar mod…</translation>
    </message>
    <message>
        <source>Installed mods…</source>
        <translation>Mods instalados…</translation>
    </message>
    <message>
        <source>Tessary mod package (*.zip)</source>
        <translation>Paquete de mod de Tessary (*.zip)</translation>
    </message>
    <message>
        <source>Mods (*.zip *.7z *.rar *.tar *.tar.gz *.tgz *.tar.bz2 *.tbz2 *.tar.xz *.txz)</source>
        <translation>Mods (*.zip *.7z *.rar *.tar *.tar.gz *.tgz *.tar.bz2 *.tbz2 *.tar.xz *.txz)</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Descartar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>QtDialogs</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Save as:</source>
        <translation>Guardar como:</translation>
    </message>
    <message>
        <source>Programs (*.exe);;All files (*)</source>
        <translation>Programas (*.exe);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Choose the image editor</source>
        <translation>Elegir el editor de imágenes</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>access denied</source>
        <translation>acceso denegado</translation>
    </message>
    <message>
        <source>the file is not a valid settings file</source>
        <translation>el archivo no es un archivo de ajustes válido</translation>
    </message>
</context>
<context>
    <name>TChannelToggle</name>
    <message>
        <source>Alpha Layer</source>
        <translation>Canal alfa</translation>
    </message>
    <message>
        <source>RGB Layers</source>
        <translation>Canales RGB</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Not enough memory to finish the command.</source>
        <translation>No hay memoria suficiente para terminar la orden.</translation>
    </message>
    <message>
        <source>Tessary closes when this work ends…</source>
        <translation>Tessary se cerrará cuando termine este trabajo…</translation>
    </message>
    <message>
        <source>closing Tessary</source>
        <translation>cerrar Tessary</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Deshacer: %1</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Rehacer: %1</translation>
    </message>
    <message>
        <source>The %1 can&apos;t be undone: it is larger than the undo history holds</source>
        <translation>%1 no se puede deshacer: es mayor de lo que cabe en el historial</translation>
    </message>
    <message>
        <source>revert of %1</source>
        <translation>vuelta atrás de %1</translation>
    </message>
    <message>
        <source>restore of the original of %1</source>
        <translation>restauración del original de %1</translation>
    </message>
    <message>
        <source>Undone: %1</source>
        <translation>Deshecho: %1</translation>
    </message>
    <message>
        <source>Redone: %1</source>
        <translation>Rehecho: %1</translation>
    </message>
    <message>
        <source>The image index has changes</source>
        <translation>El índice de imágenes tiene cambios</translation>
    </message>
    <message>
        <source>These pictures have changes</source>
        <translation>Estas imágenes tienen cambios</translation>
    </message>
    <message>
        <source>%1 not yet applied to the game folder.

Apply them before %2?</source>
        <translation>%1 aún sin aplicar a la carpeta del juego.

¿Aplicarlos antes de %2?</translation>
    </message>
    <message>
        <source>the system&apos;s program for .png files</source>
        <translation>el programa del sistema para archivos .png</translation>
    </message>
    <message>
        <source>&quot;Edit in image editor…&quot; opens pictures in %1.

Open them in:</source>
        <translation>«Editar en el editor de imágenes…» abre las imágenes en %1.

Abrirlas en:</translation>
    </message>
    <message>
        <source>The system&apos;s program</source>
        <translation>El programa del sistema</translation>
    </message>
    <message>
        <source>A program of my choice…</source>
        <translation>Un programa que yo elija…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>edit of %1 in the image editor</source>
        <translation>edición de %1 en el editor de imágenes</translation>
    </message>
    <message>
        <source>%1 read back from the image editor</source>
        <translation>%1 leído de vuelta del editor de imágenes</translation>
    </message>
    <message>
        <source>import</source>
        <translation>importación</translation>
    </message>
    <message>
        <source>No picture imported</source>
        <translation>Ninguna imagen importada</translation>
    </message>
    <message>
        <source>1 picture imported</source>
        <translation>1 imagen importada</translation>
    </message>
    <message>
        <source>%1 pictures imported</source>
        <translation>%1 imágenes importadas</translation>
    </message>
    <message>
        <source>Apply All Changes</source>
        <translation>Aplicar todo</translation>
    </message>
    <message>
        <source>Change GP4 Path</source>
        <translation>Carpeta GP4…</translation>
    </message>
    <message>
        <source>Save all images to .tga</source>
        <translation>Guardar todo en .tga</translation>
    </message>
    <message>
        <source>Image Size :</source>
        <translation>Tamaño:</translation>
    </message>
    <message>
        <source>Thumbnail Size:</source>
        <translation>Miniaturas:</translation>
    </message>
    <message>
        <source>Images Workshop</source>
        <translation>Imágenes</translation>
    </message>
    <message>
        <source>Fonts Workshop</source>
        <translation>Fuentes</translation>
    </message>
    <message>
        <source>Load image from a .tga file</source>
        <translation>Cargar imagen de un archivo .tga</translation>
    </message>
    <message>
        <source>Save image to a .tga file</source>
        <translation>Guardar imagen en un archivo .tga</translation>
    </message>
    <message>
        <source>My menu mod</source>
        <translation>Mi mod de menú</translation>
    </message>
    <message>
        <source>Saved %1 as the mod package %2:
%3</source>
        <translation>%1 guardadas como el paquete de mod %2:
%3</translation>
    </message>
    <message>
        <source>1 picture</source>
        <translation>1 imagen</translation>
    </message>
    <message>
        <source>%1 pictures</source>
        <translation>%1 imágenes</translation>
    </message>
    <message>
        <source>installation of %1</source>
        <translation>instalación de %1</translation>
    </message>
    <message>
        <source>uninstalling of %1</source>
        <translation>desinstalación de %1</translation>
    </message>
    <message>
        <source>The mod &quot;%1&quot; is uninstalled as changes to apply; &quot;Apply All Changes&quot; writes them into the game folder.</source>
        <translation>El mod «%1» se ha desinstalado como cambios por aplicar; «Aplicar todo» los escribe en la carpeta del juego.</translation>
    </message>
    <message>
        <source>
%1 back to what lies below: %2</source>
        <translation>
%1 a lo que hay debajo: %2</translation>
    </message>
    <message>
        <source>1 picture goes</source>
        <translation>1 imagen vuelve</translation>
    </message>
    <message>
        <source>%1 pictures go</source>
        <translation>%1 imágenes vuelven</translation>
    </message>
    <message>
        <source>
%1 as it is, covered since: %2</source>
        <translation>
%1 como está, cubierta desde entonces: %2</translation>
    </message>
    <message>
        <source>1 picture stays</source>
        <translation>1 imagen se queda</translation>
    </message>
    <message>
        <source>%1 pictures stay</source>
        <translation>%1 imágenes se quedan</translation>
    </message>
    <message>
        <source>changing the game folder</source>
        <translation>cambiar la carpeta del juego</translation>
    </message>
    <message>
        <source>%1 images and %2 font sheets loaded</source>
        <translation>%1 imágenes y %2 hojas de fuente cargadas</translation>
    </message>
    <message>
        <source>Another program changed these files since Tessary loaded them:
%1

Replace them with your changes?</source>
        <translation>Otro programa ha cambiado estos archivos desde que Tessary los cargó:
%1

¿Sustituirlos por tus cambios?</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Sustituir</translation>
    </message>
    <message>
        <source>Nothing to write: no picture has changed</source>
        <translation>Nada que escribir: ninguna imagen ha cambiado</translation>
    </message>
    <message>
        <source>1 file written to the game folder</source>
        <translation>1 archivo escrito en la carpeta del juego</translation>
    </message>
    <message>
        <source>%1 files written to the game folder</source>
        <translation>%1 archivos escritos en la carpeta del juego</translation>
    </message>
    <message>
        <source>Another program changed these files since Tessary loaded them; they were left as they are:
%1</source>
        <translation>Otro programa ha cambiado estos archivos desde que Tessary los cargó; se han dejado como están:
%1</translation>
    </message>
    <message>
        <source>%1: the settings can&apos;t be written</source>
        <translation>%1: no se pueden guardar los ajustes</translation>
    </message>
    <message>
        <source>1 image saved</source>
        <translation>1 imagen guardada</translation>
    </message>
    <message>
        <source>%1 images saved</source>
        <translation>%1 imágenes guardadas</translation>
    </message>
    <message>
        <source>import of %1</source>
        <translation>importación de %1</translation>
    </message>
</context>
<context>
    <name>TFormInstallPreview</name>
    <message>
        <source>1 picture changes</source>
        <translation>1 imagen cambia</translation>
    </message>
    <message>
        <source>%1 pictures change</source>
        <translation>%1 imágenes cambian</translation>
    </message>
    <message>
        <source>; 1 is the same already</source>
        <translation>; 1 ya es igual</translation>
    </message>
    <message>
        <source>; %1 are the same already</source>
        <translation>; %1 ya son iguales</translation>
    </message>
    <message>
        <source>. Installing makes these changes in Tessary; &quot;Apply All Changes&quot; writes them into the game folder.</source>
        <translation>. Instalar hace estos cambios en Tessary; «Aplicar todo» los escribe en la carpeta del juego.</translation>
    </message>
    <message>
        <source>Install the mod &quot;%1&quot;?</source>
        <translation>¿Instalar el mod «%1»?</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Instalar</translation>
    </message>
</context>
<context>
    <name>TFormInstalledMods</name>
    <message>
        <source>No mod is installed in this game folder.</source>
        <translation>No hay ningún mod instalado en esta carpeta del juego.</translation>
    </message>
    <message>
        <source>Installed mods, the last installed at the bottom:</source>
        <translation>Mods instalados, el último instalado abajo:</translation>
    </message>
    <message>
        <source>Mod</source>
        <translation>Mod</translation>
    </message>
    <message>
        <source>Author</source>
        <translation>Autor</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Imágenes</translation>
    </message>
    <message>
        <source>Covered</source>
        <translation>Cubiertas</translation>
    </message>
    <message>
        <source>Installed</source>
        <translation>Instalado</translation>
    </message>
    <message>
        <source>Uninstall</source>
        <translation>Desinstalar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Installed %1 from %2.</source>
        <translation>Instalado el %1 desde %2.</translation>
    </message>
    <message>
        <source>None of its pictures is covered by a later mod or an edit.</source>
        <translation>Ninguna de sus imágenes está cubierta por un mod posterior o una edición.</translation>
    </message>
    <message>
        <source>Covered since: %1. Uninstalling leaves these as they are.</source>
        <translation>Cubiertas desde entonces: %1. Desinstalar las deja como están.</translation>
    </message>
</context>
<context>
    <name>TFormModPackage</name>
    <message>
        <source>Every picture that differs from the game&apos;s original goes into the package, with your changes not yet applied.</source>
        <translation>Cada imagen distinta del original del juego entra en el paquete, incluidos tus cambios aún no aplicados.</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nombre:</translation>
    </message>
    <message>
        <source>Author:</source>
        <translation>Autor:</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Descripción:</translation>
    </message>
    <message>
        <source>Save…</source>
        <translation>Guardar…</translation>
    </message>
</context>
<context>
    <name>TFormPreview</name>
    <message>
        <source>Tessary&apos;s picture</source>
        <translation>Imagen de Tessary</translation>
    </message>
    <message>
        <source>Game folder&apos;s file</source>
        <translation>Archivo de la carpeta del juego</translation>
    </message>
    <message>
        <source>Game&apos;s original</source>
        <translation>Original del juego</translation>
    </message>
    <message>
        <source>Game folder</source>
        <translation>Carpeta juego</translation>
    </message>
    <message>
        <source>Show the game folder&apos;s file (hold Space)</source>
        <translation>Mostrar el archivo de la carpeta del juego (mantén Espacio)</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>Original</translation>
    </message>
    <message>
        <source>Show the game&apos;s original (hold Shift + Space)</source>
        <translation>Mostrar el original del juego (mantén Mayús + Espacio)</translation>
    </message>
    <message>
        <source>x %1, y %2</source>
        <translation>x %1, y %2</translation>
    </message>
    <message>
        <source>R %1 G %2 B %3 A %4</source>
        <translation>R %1 G %2 B %3 A %4</translation>
    </message>
    <message>
        <source>no pixel data</source>
        <translation>sin datos de píxeles</translation>
    </message>
</context>
</TS>
