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
        <source>there is no menu image number %1</source>
        <translation>no existe la imagen de menú número %1</translation>
    </message>
    <message>
        <source>there is no font number %1</source>
        <translation>no existe la fuente número %1</translation>
    </message>
    <message>
        <source>save the picture with 24 or 32 bits per pixel</source>
        <translation>guarda la imagen con 24 o 32 bits por píxel</translation>
    </message>
    <message>
        <source>Sorry but Tessary can&apos;t read RLE encoded .tga files.</source>
        <translation>Lo sentimos, Tessary no puede leer archivos .tga con compresión RLE.</translation>
    </message>
    <message>
        <source>reading beyond the end of the file (%1)</source>
        <translation>lectura más allá del final del archivo (%1)</translation>
    </message>
    <message>
        <source>is a link, which Tessary does not follow</source>
        <translation>es un enlace, que Tessary no sigue</translation>
    </message>
    <message>
        <source>is not a plain file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>%1 is not a plain file</source>
        <translation>%1 no es un archivo normal</translation>
    </message>
    <message>
        <source>holds %1 bytes, more than such a file ever holds</source>
        <translation>contiene %1 bytes, más de los que nunca contiene un archivo así</translation>
    </message>
    <message>
        <source>error code %1</source>
        <translation>código de error %1</translation>
    </message>
    <message>
        <source>the image count %1 is negative</source>
        <translation>el número de imágenes %1 es negativo</translation>
    </message>
    <message>
        <source>the index lists %1 image slots but holds only %2 bytes</source>
        <translation>el índice enumera %1 huecos de imagen pero solo contiene %2 bytes</translation>
    </message>
    <message>
        <source>entry %1 runs past the end of the file</source>
        <translation>la entrada %1 va más allá del final del archivo</translation>
    </message>
    <message>
        <source>the font table count %1 is negative</source>
        <translation>el número de entradas %1 de la tabla de la fuente es negativo</translation>
    </message>
    <message>
        <source>a table of %1 entries and a sheet need %2 bytes, the file has %3</source>
        <translation>una tabla de %1 entradas y una hoja necesitan %2 bytes, el archivo tiene %3</translation>
    </message>
    <message>
        <source>the image file holds %1 bytes, more than an image can hold</source>
        <translation>el archivo de imagen contiene %1 bytes, más de los que caben en una imagen</translation>
    </message>
    <message>
        <source>holds no menu image number %1</source>
        <translation>no contiene la imagen de menú número %1</translation>
    </message>
    <message>
        <source>the game&apos;s original index has no entry for image %1</source>
        <translation>el índice original del juego no tiene entrada para la imagen %1</translation>
    </message>
    <message>
        <source>the kept original holds %1 bytes, but the game&apos;s index gives image %2 %3 × %4 pixels (%5 bytes)</source>
        <translation>el original guardado contiene %1 bytes, pero el índice del juego da a la imagen %2 %3 × %4 píxeles (%5 bytes)</translation>
    </message>
    <message>
        <source>Tessary does not restore it</source>
        <translation>Tessary no lo restaura</translation>
    </message>
    <message>
        <source>is not a file of the record of installed mods</source>
        <translation>no es un archivo del registro de mods instalados</translation>
    </message>
    <message>
        <source>Tessary replaces only plain game files</source>
        <translation>Tessary solo sustituye archivos del juego normales</translation>
    </message>
    <message>
        <source>Tessary keeps the game&apos;s original files there</source>
        <translation>ahí Tessary guarda los archivos originales del juego</translation>
    </message>
    <message>
        <source>Tessary keeps the game&apos;s original of %1 there</source>
        <translation>ahí Tessary guarda el original de %1</translation>
    </message>
    <message>
        <source>lies on another drive than the game files, so Tessary can&apos;t keep the game&apos;s original files there</source>
        <translation>está en otra unidad que los archivos del juego, así que Tessary no puede guardar ahí los archivos originales del juego</translation>
    </message>
    <message>
        <source>putting the earlier files back failed too (%1)</source>
        <translation>también ha fallado la restauración de los archivos anteriores (%1)</translation>
    </message>
    <message>
        <source>Tessary finishes the write-back the next time it opens this game folder</source>
        <translation>Tessary terminará la escritura la próxima vez que abra esta carpeta del juego</translation>
    </message>
    <message>
        <source>The game&apos;s original of %1 could not be kept in tessary-originals (%2)</source>
        <translation>No se pudo guardar el original de %1 en tessary-originals (%2)</translation>
    </message>
    <message>
        <source>it stays beside it as %1, and Tessary tries again the next time it opens this game folder.</source>
        <translation>se queda al lado como %1 y Tessary lo intentará de nuevo la próxima vez que abra esta carpeta del juego.</translation>
    </message>
    <message>
        <source>the record of an interrupted write-back is damaged (%1)</source>
        <translation>el registro de una escritura interrumpida está dañado (%1)</translation>
    </message>
    <message>
        <source>Tessary leaves the folder as it is. Move this file away to use the folder again</source>
        <translation>Tessary deja la carpeta como está. Mueve este archivo a otro sitio para volver a usar la carpeta</translation>
    </message>
    <message>
        <source>it holds %1 bytes, far more than any record Tessary writes</source>
        <translation>contiene %1 bytes, mucho más que cualquier registro que escriba Tessary</translation>
    </message>
    <message>
        <source>it does not begin as Tessary writes it</source>
        <translation>el principio no coincide con lo que escribe Tessary</translation>
    </message>
    <message>
        <source>its end does not match its entries</source>
        <translation>su final no coincide con sus entradas</translation>
    </message>
    <message>
        <source>line %1 is not an entry</source>
        <translation>la línea %1 no es una entrada</translation>
    </message>
    <message>
        <source>it names %1, which is not a game file</source>
        <translation>menciona %1, que no es un archivo del juego</translation>
    </message>
    <message>
        <source>it names %1 twice</source>
        <translation>menciona %1 dos veces</translation>
    </message>
    <message>
        <source>it names files that Tessary does not write beside %1</source>
        <translation>menciona archivos que Tessary no escribe junto a %1</translation>
    </message>
    <message>
        <source>it ends before its last line</source>
        <translation>termina antes de su última línea</translation>
    </message>
    <message>
        <source>it does not match the files on disk: %1</source>
        <translation>no coincide con los archivos del disco: %1</translation>
    </message>
    <message>
        <source>%1 exists, though the record says it did not before the write-back</source>
        <translation>%1 existe, aunque el registro dice que no existía antes de la escritura</translation>
    </message>
    <message>
        <source>%1 and its new file are both missing</source>
        <translation>faltan tanto %1 como su archivo nuevo</translation>
    </message>
    <message>
        <source>%1, its original and its new file are all there at once</source>
        <translation>%1, su original y su archivo nuevo están todos a la vez</translation>
    </message>
    <message>
        <source>%1 and the original the record moved aside are both missing</source>
        <translation>faltan tanto %1 como el original que el registro apartó</translation>
    </message>
    <message>
        <source>a write-back to this game folder was cut short, and Tessary can&apos;t finish or undo it</source>
        <translation>una escritura en esta carpeta del juego se interrumpió y Tessary no puede terminarla ni deshacerla</translation>
    </message>
    <message>
        <source>A write-back to %1 was cut short</source>
        <translation>Una escritura en %1 se interrumpió</translation>
    </message>
    <message>
        <source>Tessary has put the earlier files back, so the folder is as it was before it.</source>
        <translation>Tessary ha restaurado los archivos anteriores, así que la carpeta está como antes.</translation>
    </message>
    <message>
        <source>Tessary removed %1 that an earlier write-back to %2 left behind</source>
        <translation>De lo que dejó una escritura anterior en %2, Tessary ha eliminado %1</translation>
    </message>
    <message>
        <source>Tessary kept %1 in tessary-originals that an earlier write-back to %2 left behind</source>
        <translation>De lo que dejó una escritura anterior en %2, Tessary ha guardado %1 en tessary-originals</translation>
    </message>
    <message>
        <source>Tessary removed %1 and kept %2 in tessary-originals that an earlier write-back to %3 left behind</source>
        <translation>De lo que dejó una escritura anterior en %3, Tessary ha eliminado %1 y guardado %2 en tessary-originals</translation>
    </message>
    <message>
        <source>the game files were not touched.</source>
        <translation>los archivos del juego no se han tocado.</translation>
    </message>
    <message>
        <source>colour map type %1 is not one the .tga format defines</source>
        <translation>el formato .tga no define el tipo de mapa de colores %1</translation>
    </message>
    <message>
        <source>this is not a .tga file Tessary can read</source>
        <translation>no es un archivo .tga que Tessary pueda leer</translation>
    </message>
    <message>
        <source>the file holds no picture (image type 0)</source>
        <translation>el archivo no contiene ninguna imagen (tipo de imagen 0)</translation>
    </message>
    <message>
        <source>the file is colour-mapped (image type 1) but holds no colour map</source>
        <translation>el archivo usa colores indexados (tipo de imagen 1) pero no contiene mapa de colores</translation>
    </message>
    <message>
        <source>only 8-bit indices can</source>
        <translation>solo los de índices de 8 bits</translation>
    </message>
    <message>
        <source>colour maps with %1-bit entries can&apos;t be read</source>
        <translation>los mapas de colores con entradas de %1 bits no se pueden leer</translation>
    </message>
    <message>
        <source>save the picture with a 24- or 32-bit colour map, or as 24- or 32-bit true-colour</source>
        <translation>guarda la imagen con un mapa de colores de 24 o 32 bits, o en color verdadero de 24 o 32 bits</translation>
    </message>
    <message>
        <source>only 8-bit grey-scale can</source>
        <translation>solo los de escala de grises de 8 bits</translation>
    </message>
    <message>
        <source>image type %1 is not an uncompressed true-colour, colour-mapped or grey-scale .tga file</source>
        <translation>el tipo de imagen %1 no es un archivo .tga sin comprimir en color verdadero, indexado o en escala de grises</translation>
    </message>
    <message>
        <source>the header announces a %1 picture of %2 bits per pixel, which needs %3 bytes, but the file has only %4</source>
        <translation>la cabecera anuncia una imagen de %1 con %2 bits por píxel, que necesita %3 bytes, pero el archivo solo tiene %4</translation>
    </message>
    <message>
        <source>pixel (%1, %2) uses colour %3, which the file&apos;s colour map does not hold</source>
        <translation>el píxel (%1, %2) usa el color %3, que el mapa de colores del archivo no contiene</translation>
    </message>
    <message>
        <source>is not a .png file: it does not start with the PNG signature</source>
        <translation>no es un archivo .png: no empieza con la firma PNG</translation>
    </message>
    <message>
        <source>the PNG&apos;s palette or transparency is damaged (%1), so its pixels are not defined</source>
        <translation>la paleta o la transparencia del PNG está dañada (%1), así que sus píxeles no están definidos</translation>
    </message>
    <message>
        <source>the PNG data is damaged or cut short (%1)</source>
        <translation>los datos PNG están dañados o cortados (%1)</translation>
    </message>
    <message>
        <source>the file is too short for a %1 picture</source>
        <translation>el archivo es demasiado corto para una imagen de %1</translation>
    </message>
    <message>
        <source>the file ends before the picture does</source>
        <translation>el archivo termina antes que la imagen</translation>
    </message>
    <message>
        <source>pixel (%1, %2) has colour number %3, but the palette holds only %4 colours</source>
        <translation>el píxel (%1, %2) tiene el número de color %3, pero la paleta solo contiene %4 colores</translation>
    </message>
    <message>
        <source>the PNG picture can&apos;t be made (%1)</source>
        <translation>no se puede crear la imagen PNG (%1)</translation>
    </message>
    <message>
        <source>a %1 picture needs %2 bytes, more than the 2147483647 a menu image can hold</source>
        <translation>una imagen de %1 necesita %2 bytes, más de los 2147483647 que caben en una imagen de menú</translation>
    </message>
    <message>
        <source>the picture is %1 pixels</source>
        <translation>la imagen es de %1 píxeles</translation>
    </message>
    <message>
        <source>a font sheet must be 256 x 256</source>
        <translation>una hoja de fuente debe ser de 256 x 256</translation>
    </message>
    <message>
        <source>not enough memory</source>
        <translation>no hay memoria suficiente</translation>
    </message>
    <message>
        <source>not enough memory to read a .png file</source>
        <translation>no hay memoria suficiente para leer un archivo .png</translation>
    </message>
    <message>
        <source>not enough memory to read a %1 picture</source>
        <translation>no hay memoria suficiente para leer una imagen de %1</translation>
    </message>
    <message>
        <source>not enough memory for a %1 picture</source>
        <translation>no hay memoria suficiente para una imagen de %1</translation>
    </message>
    <message>
        <source>image %1 (%2 x %3 pixels) holds no picture a .png file can hold</source>
        <translation>la imagen %1 (%2 x %3 píxeles) no contiene ninguna imagen que quepa en un archivo .png</translation>
    </message>
    <message>
        <source>image %1 (%2 x %3 pixels) holds %4 bytes instead of %5</source>
        <translation>la imagen %1 (%2 x %3 píxeles) contiene %4 bytes en lugar de %5</translation>
    </message>
    <message>
        <source>save it as .tga</source>
        <translation>guárdala como .tga</translation>
    </message>
    <message>
        <source>a .png file holds only whole pictures, so save it as .tga</source>
        <translation>un archivo .png solo contiene imágenes completas, así que guárdala como .tga</translation>
    </message>
    <message>
        <source>there is no font sheet number %1</source>
        <translation>no existe la hoja de fuente número %1</translation>
    </message>
    <message>
        <source>font sheet %1 holds %2 bytes instead of 65536</source>
        <translation>la hoja de fuente %1 contiene %2 bytes en lugar de 65536</translation>
    </message>
    <message>
        <source>holds no picture a .png file can hold</source>
        <translation>no contiene ninguna imagen que quepa en un archivo .png</translation>
    </message>
    <message>
        <source>holds %1 bytes instead of 65536</source>
        <translation>contiene %1 bytes en lugar de 65536</translation>
    </message>
    <message>
        <source>image %1 is %2 pixels wide</source>
        <translation>la imagen %1 tiene %2 píxeles de ancho</translation>
    </message>
    <message>
        <source>image %1 is %2 pixels high</source>
        <translation>la imagen %1 tiene %2 píxeles de alto</translation>
    </message>
    <message>
        <source>a .tga file can only hold 0 to 65535</source>
        <translation>un archivo .tga solo admite de 0 a 65535</translation>
    </message>
    <message>
        <source>image %1 has a negative byte count (%2)</source>
        <translation>la imagen %1 tiene un número de bytes negativo (%2)</translation>
    </message>
    <message>
        <source>there is no menu image number %1 to replace</source>
        <translation>no existe la imagen de menú número %1 que sustituir</translation>
    </message>
    <message>
        <source>there is no font sheet number %1 to replace</source>
        <translation>no existe la hoja de fuente número %1 que sustituir</translation>
    </message>
    <message>
        <source>these files all name the same image: %1</source>
        <translation>todos estos archivos nombran la misma imagen: %1</translation>
    </message>
    <message>
        <source>these files all name the same font sheet: %1</source>
        <translation>todos estos archivos nombran la misma hoja de fuente: %1</translation>
    </message>
    <message>
        <source>rename or remove all but one</source>
        <translation>renombra o quita todos menos uno</translation>
    </message>
    <message>
        <source>No picture was imported.</source>
        <translation>No se ha importado ninguna imagen.</translation>
    </message>
    <message>
        <source>No picture was imported from %1.</source>
        <translation>No se ha importado ninguna imagen de %1.</translation>
    </message>
    <message>
        <source>the archive is damaged (%1)</source>
        <translation>el archivo comprimido está dañado (%1)</translation>
    </message>
    <message>
        <source>the archive is damaged at &quot;%1&quot; (%2)</source>
        <translation>el archivo comprimido está dañado en «%1» (%2)</translation>
    </message>
    <message>
        <source>this build of Tessary can&apos;t expand archives compressed as this one is</source>
        <translation>esta versión de Tessary no puede descomprimir archivos comprimidos de esta forma</translation>
    </message>
    <message>
        <source>the archive holds %1 bytes, more than Tessary reads (%2)</source>
        <translation>el archivo comprimido contiene %1 bytes, más de lo que lee Tessary (%2)</translation>
    </message>
    <message>
        <source>is not an archive Tessary can read (%1)</source>
        <translation>no es un archivo comprimido que Tessary pueda leer (%1)</translation>
    </message>
    <message>
        <source>the archive holds more than %1 entries</source>
        <translation>el archivo comprimido contiene más de %1 entradas</translation>
    </message>
    <message>
        <source>the folder holds more than %1 files and folders</source>
        <translation>la carpeta contiene más de %1 archivos y carpetas</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is encrypted, which Tessary can&apos;t read</source>
        <translation>«%1» está cifrado y Tessary no puede leerlo</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a link, which Tessary does not follow</source>
        <translation>«%1» es un enlace, que Tessary no sigue</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a device or another special file, not a file</source>
        <translation>«%1» es un dispositivo u otro archivo especial, no un archivo</translation>
    </message>
    <message>
        <source>&quot;%1&quot; expands more than %2 times over what it takes in the archive, as a zip bomb does</source>
        <translation>«%1» se expande más de %2 veces respecto a lo que ocupa en el archivo comprimido, como una bomba zip</translation>
    </message>
    <message>
        <source>&quot;%1&quot; would make the archive expand past %2 MB, more than any menu mod holds (a zip bomb?)</source>
        <translation>«%1» haría que el archivo comprimido pasara de %2 MB al descomprimirse, más de lo que contiene cualquier mod de menús (¿una bomba zip?)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; would take the mod past %2 MB, more than any menu mod holds</source>
        <translation>«%1» haría que el mod pasara de %2 MB, más de lo que contiene cualquier mod de menús</translation>
    </message>
    <message>
        <source>&quot;%1&quot; lies more than %2 folders deep</source>
        <translation>«%1» está a más de %2 niveles de carpetas</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has no name</source>
        <translation>«%1» no tiene nombre</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has a name that is not valid text (UTF-8)</source>
        <translation>«%1» tiene un nombre que no es texto válido (UTF-8)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has a control character in its name</source>
        <translation>«%1» tiene un carácter de control en el nombre</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is named by an absolute path</source>
        <translation>«%1» se nombra con una ruta absoluta</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is named with a drive letter</source>
        <translation>«%1» se nombra con una letra de unidad</translation>
    </message>
    <message>
        <source>&quot;%1&quot; climbs out of the archive&apos;s folder (&quot;..&quot;)</source>
        <translation>«%1» sale de la carpeta del archivo comprimido (&quot;..&quot;)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has &apos;:&apos; in its name, which Windows reads as a drive or a stream</source>
        <translation>«%1» tiene &apos;:&apos; en el nombre, que Windows interpreta como unidad o flujo</translation>
    </message>
    <message>
        <source>&quot;%1&quot; lies in a folder that has the name of a file: &quot;%2&quot;</source>
        <translation>«%1» está en una carpeta que tiene el nombre de un archivo: «%2»</translation>
    </message>
    <message>
        <source>&quot;%1&quot; appears twice (letter case aside)</source>
        <translation>«%1» aparece dos veces (sin contar mayúsculas y minúsculas)</translation>
    </message>
    <message>
        <source>holds no menu image or font sheet of this game that Tessary could take</source>
        <translation>no contiene ninguna imagen de menú ni hoja de fuente de este juego que Tessary pueda tomar</translation>
    </message>
    <message>
        <source>holds no menu image or font sheet of this game that Tessary could take (%1)</source>
        <translation>no contiene ninguna imagen de menú ni hoja de fuente de este juego que Tessary pueda tomar (%1)</translation>
    </message>
    <message>
        <source>holds game files in two folders, &quot;%1&quot; and &quot;%2&quot;</source>
        <translation>contiene archivos del juego en dos carpetas, «%1» y «%2»</translation>
    </message>
    <message>
        <source>&quot;%1&quot; and &quot;%2&quot; both name %3</source>
        <translation>«%1» y «%2» nombran ambos %3</translation>
    </message>
    <message>
        <source>Tessary can&apos;t tell which of them the mod means</source>
        <translation>Tessary no puede saber a cuál se refiere el mod</translation>
    </message>
    <message>
        <source>%1 is image %2, but this game has images 1 to %3 only</source>
        <translation>%1 es la imagen %2, pero este juego solo tiene las imágenes 1 a %3</translation>
    </message>
    <message>
        <source>the mod&apos;s Gp2001.gph lists %1 images, this game&apos;s index %2, and it has no entry for %3</source>
        <translation>el Gp2001.gph del mod enumera %1 imágenes, el índice de este juego %2, y no tiene entrada para %3</translation>
    </message>
    <message>
        <source>%1 holds %2 bytes, but its entry in the mod&apos;s Gp2001.gph says %3 (%4 bytes)</source>
        <translation>%1 contiene %2 bytes, pero su entrada en el Gp2001.gph del mod indica %3 (%4 bytes)</translation>
    </message>
    <message>
        <source>%1 holds %2 bytes, but its entry in the game&apos;s index (the mod ships none) says %3 (%4 bytes)</source>
        <translation>%1 contiene %2 bytes, pero su entrada en el índice del juego (el mod no trae ninguno) indica %3 (%4 bytes)</translation>
    </message>
    <message>
        <source>%1 x %2 pixels</source>
        <translation>%1 x %2 píxeles</translation>
    </message>
    <message>
        <source>holds %1 bytes, not one index entry</source>
        <translation>contiene %1 bytes, no una entrada del índice</translation>
    </message>
    <message>
        <source>The mod&apos;s Gp2001.gph also changes the entries of images it does not ship</source>
        <translation>El Gp2001.gph del mod también cambia las entradas de imágenes que el mod no trae</translation>
    </message>
    <message>
        <source>Tessary leaves them as they are</source>
        <translation>Tessary las deja como están</translation>
    </message>
    <message>
        <source>Font files with another header or table than the game&apos;s: only their pictures are taken: %1</source>
        <translation>Archivos de fuente con otra cabecera u otra tabla que los del juego (solo se toman sus imágenes): %1</translation>
    </message>
    <message>
        <source>Files that are no game file were left out: %1</source>
        <translation>Se han omitido los archivos que no son del juego: %1</translation>
    </message>
    <message>
        <source>Files that name no menu image or font sheet of this game were left out: %1</source>
        <translation>Se han omitido los archivos que no nombran ninguna imagen de menú ni hoja de fuente de este juego: %1</translation>
    </message>
    <message>
        <source>The package was made over other pictures than this game&apos;s originals: %1</source>
        <translation>El paquete se hizo sobre imágenes distintas de los originales de este juego: %1</translation>
    </message>
    <message>
        <source>Files its manifest does not list were left out: %1</source>
        <translation>Se han omitido los archivos que su manifiesto no enumera: %1</translation>
    </message>
    <message>
        <source>tessary-mod.json is damaged: %1</source>
        <translation>tessary-mod.json está dañado: %1</translation>
    </message>
    <message>
        <source>the mod package was made by a newer Tessary (package version %1)</source>
        <translation>el paquete de mod se hizo con un Tessary más reciente (versión de paquete %1)</translation>
    </message>
    <message>
        <source>this one reads version %1</source>
        <translation>este lee la versión %1</translation>
    </message>
    <message>
        <source>it is not a JSON object</source>
        <translation>no es un objeto JSON</translation>
    </message>
    <message>
        <source>&quot;format&quot; is not &quot;Tessary mod package&quot;</source>
        <translation>&quot;format&quot; no es &quot;Tessary mod package&quot;</translation>
    </message>
    <message>
        <source>&quot;name&quot; is empty</source>
        <translation>&quot;name&quot; está vacío</translation>
    </message>
    <message>
        <source>&quot;created&quot; is not a time such as 2026-05-04T12:34:56Z</source>
        <translation>&quot;created&quot; no es una fecha y hora como 2026-05-04T12:34:56Z</translation>
    </message>
    <message>
        <source>&quot;pictures&quot; is not a list of at most %1 pictures</source>
        <translation>&quot;pictures&quot; no es una lista de como mucho %1 imágenes</translation>
    </message>
    <message>
        <source>%1 is listed twice</source>
        <translation>%1 aparece dos veces</translation>
    </message>
    <message>
        <source>the manifest has no &quot;%1&quot;</source>
        <translation>al manifiesto le falta &quot;%1&quot;</translation>
    </message>
    <message>
        <source>the manifest has an unknown key &quot;%1&quot;</source>
        <translation>el manifiesto tiene una clave desconocida &quot;%1&quot;</translation>
    </message>
    <message>
        <source>&quot;%1&quot; of the manifest is not text</source>
        <translation>&quot;%1&quot; del manifiesto no es texto</translation>
    </message>
    <message>
        <source>&quot;%1&quot; of the manifest is longer than %2 bytes</source>
        <translation>&quot;%1&quot; del manifiesto ocupa más de %2 bytes</translation>
    </message>
    <message>
        <source>&quot;%1&quot; of the manifest holds a control character</source>
        <translation>&quot;%1&quot; del manifiesto contiene un carácter de control</translation>
    </message>
    <message>
        <source>&quot;%1&quot; of the manifest is not a whole number from %2 to %3</source>
        <translation>&quot;%1&quot; del manifiesto no es un número entero de %2 a %3</translation>
    </message>
    <message>
        <source>picture %1 is not an object</source>
        <translation>la imagen %1 no es un objeto</translation>
    </message>
    <message>
        <source>picture %1 has no &quot;%2&quot;</source>
        <translation>a la imagen %1 le falta &quot;%2&quot;</translation>
    </message>
    <message>
        <source>picture %1 has an unknown key &quot;%2&quot;</source>
        <translation>la imagen %1 tiene una clave desconocida &quot;%2&quot;</translation>
    </message>
    <message>
        <source>picture %1 must name either an &quot;image&quot; or a &quot;font&quot;</source>
        <translation>la imagen %1 debe indicar o bien &quot;image&quot; o bien &quot;font&quot;</translation>
    </message>
    <message>
        <source>picture %1 names no font of the game: &quot;%2&quot;</source>
        <translation>la imagen %1 no nombra ninguna fuente del juego: &quot;%2&quot;</translation>
    </message>
    <message>
        <source>picture %1 must be in the file &quot;%2&quot;</source>
        <translation>la imagen %1 debe estar en el archivo &quot;%2&quot;</translation>
    </message>
    <message>
        <source>&quot;%1&quot; of picture %2 is not text</source>
        <translation>&quot;%1&quot; de la imagen %2 no es texto</translation>
    </message>
    <message>
        <source>&quot;%1&quot; of picture %2 is longer than %3 bytes</source>
        <translation>&quot;%1&quot; de la imagen %2 ocupa más de %3 bytes</translation>
    </message>
    <message>
        <source>&quot;%1&quot; of picture %2 holds a control character</source>
        <translation>&quot;%1&quot; de la imagen %2 contiene un carácter de control</translation>
    </message>
    <message>
        <source>&quot;%1&quot; of picture %2 is not a whole number from %3 to %4</source>
        <translation>&quot;%1&quot; de la imagen %2 no es un número entero de %3 a %4</translation>
    </message>
    <message>
        <source>&quot;%1&quot; of picture %2 is not a SHA-256 digest (64 lower-case hex digits)</source>
        <translation>&quot;%1&quot; de la imagen %2 no es un hash SHA-256 (64 dígitos hexadecimales en minúscula)</translation>
    </message>
    <message>
        <source>%1 is not a PNG file, as its manifest says</source>
        <translation>%1 no es un archivo PNG, al contrario de lo que dice el manifiesto</translation>
    </message>
    <message>
        <source>%1 is %2 x %3 pixels, but its manifest says %4 x %5</source>
        <translation>%1 es de %2 x %3 píxeles, pero el manifiesto dice %4 x %5</translation>
    </message>
    <message>
        <source>%1 does not hold the picture its manifest names (its SHA-256 differs)</source>
        <translation>%1 no contiene la imagen que indica el manifiesto (su SHA-256 es distinto)</translation>
    </message>
    <message>
        <source>the package is damaged</source>
        <translation>el paquete está dañado</translation>
    </message>
    <message>
        <source>the package replaces image %1, but this game has images 1 to %2 only</source>
        <translation>el paquete sustituye la imagen %1, pero este juego solo tiene las imágenes 1 a %2</translation>
    </message>
    <message>
        <source>the package lacks %1, which its manifest lists</source>
        <translation>al paquete le falta %1, que su manifiesto enumera</translation>
    </message>
    <message>
        <source>a mod package needs a name</source>
        <translation>un paquete de mod necesita un nombre</translation>
    </message>
    <message>
        <source>a mod package&apos;s name and author are at most 200 bytes long</source>
        <translation>el nombre y el autor de un paquete de mod ocupan como mucho 200 bytes</translation>
    </message>
    <message>
        <source>a mod package&apos;s description is at most 4000 bytes long</source>
        <translation>la descripción de un paquete de mod ocupa como mucho 4000 bytes</translation>
    </message>
    <message>
        <source>a mod package&apos;s name, author and description can&apos;t hold control characters</source>
        <translation>el nombre, el autor y la descripción de un paquete de mod no pueden contener caracteres de control</translation>
    </message>
    <message>
        <source>image %1 (%2 x %3 pixels) holds %4 bytes, not a whole picture, which a mod package can&apos;t hold</source>
        <translation>la imagen %1 (%2 x %3 píxeles) contiene %4 bytes, no una imagen completa, y eso no cabe en un paquete de mod</translation>
    </message>
    <message>
        <source>no package was written</source>
        <translation>no se ha escrito ningún paquete</translation>
    </message>
    <message>
        <source>every picture is the game&apos;s original, so there is nothing to put in a mod package</source>
        <translation>todas las imágenes son el original del juego, así que no hay nada que poner en un paquete de mod</translation>
    </message>
    <message>
        <source>the .zip archive can&apos;t be written: %1</source>
        <translation>no se puede escribir el archivo .zip: %1</translation>
    </message>
    <message>
        <source>libarchive failed</source>
        <translation>libarchive ha fallado</translation>
    </message>
    <message>
        <source>the text is not valid UTF-8</source>
        <translation>el texto no es UTF-8 válido</translation>
    </message>
    <message>
        <source>at byte %1: %2</source>
        <translation>en el byte %1: %2</translation>
    </message>
    <message>
        <source>there is more after the value</source>
        <translation>hay algo más después del valor</translation>
    </message>
    <message>
        <source>expected a value</source>
        <translation>se esperaba un valor</translation>
    </message>
    <message>
        <source>expected a key in quotes</source>
        <translation>se esperaba una clave entre comillas</translation>
    </message>
    <message>
        <source>expected &apos;:&apos; after a key</source>
        <translation>se esperaba &apos;:&apos; después de una clave</translation>
    </message>
    <message>
        <source>expected &apos;,&apos; or &apos;}&apos;</source>
        <translation>se esperaba &apos;,&apos; o &apos;}&apos;</translation>
    </message>
    <message>
        <source>expected &apos;,&apos; or &apos;]&apos;</source>
        <translation>se esperaba &apos;,&apos; o &apos;]&apos;</translation>
    </message>
    <message>
        <source>the key &quot;%1&quot; appears twice</source>
        <translation>la clave &quot;%1&quot; aparece dos veces</translation>
    </message>
    <message>
        <source>the values are nested too deeply</source>
        <translation>los valores están anidados a demasiada profundidad</translation>
    </message>
    <message>
        <source>\u needs four hex digits</source>
        <translation>\u necesita cuatro dígitos hexadecimales</translation>
    </message>
    <message>
        <source>a \u escape holds half a character</source>
        <translation>un escape \u contiene medio carácter</translation>
    </message>
    <message>
        <source>unknown escape</source>
        <translation>escape desconocido</translation>
    </message>
    <message>
        <source>the text ends inside quotes</source>
        <translation>el texto termina dentro de unas comillas</translation>
    </message>
    <message>
        <source>a control character stands unescaped in quotes</source>
        <translation>hay un carácter de control sin escapar entre comillas</translation>
    </message>
    <message>
        <source>a number starts with 0</source>
        <translation>un número empieza por 0</translation>
    </message>
    <message>
        <source>the number is too large</source>
        <translation>el número es demasiado grande</translation>
    </message>
    <message>
        <source>only whole numbers are taken</source>
        <translation>solo se aceptan números enteros</translation>
    </message>
    <message>
        <source>is not a folder of Tessary&apos;s own (a link or a file has its name)</source>
        <translation>no es una carpeta propia de Tessary (un enlace o un archivo tiene su nombre)</translation>
    </message>
    <message>
        <source>Tessary leaves it as it is</source>
        <translation>Tessary no toca nada</translation>
    </message>
    <message>
        <source>a mod named &quot;%1&quot; is installed already</source>
        <translation>ya hay instalado un mod llamado «%1»</translation>
    </message>
    <message>
        <source>uninstall it first</source>
        <translation>desinstálalo primero</translation>
    </message>
    <message>
        <source>the record of installed mods is damaged (%1)</source>
        <translation>el registro de mods instalados está dañado (%1)</translation>
    </message>
    <message>
        <source>Tessary leaves it as it is. Move the folder tessary-mods away to install mods again</source>
        <translation>Tessary lo deja como está. Mueve la carpeta tessary-mods a otro sitio para volver a instalar mods</translation>
    </message>
    <message>
        <source>it is not the file Tessary wrote</source>
        <translation>no es el archivo que escribió Tessary</translation>
    </message>
    <message>
        <source>the record of installed mods was written by another version of Tessary (record version %1)</source>
        <translation>el registro de mods instalados lo escribió otra versión de Tessary (versión de registro %1)</translation>
    </message>
    <message>
        <source>it lists too many mods</source>
        <translation>enumera demasiados mods</translation>
    </message>
    <message>
        <source>a mod has no number of its own</source>
        <translation>un mod no tiene número propio</translation>
    </message>
    <message>
        <source>a mod has no list of pictures</source>
        <translation>un mod no tiene lista de imágenes</translation>
    </message>
    <message>
        <source>two mods have the name &quot;%1&quot;</source>
        <translation>dos mods se llaman «%1»</translation>
    </message>
    <message>
        <source>the mod &quot;%1&quot; lists %2 twice</source>
        <translation>el mod «%1» enumera %2 dos veces</translation>
    </message>
    <message>
        <source>a picture names neither an image nor a font</source>
        <translation>una imagen no indica ni una imagen de menú ni una fuente</translation>
    </message>
    <message>
        <source>a picture is kept in &quot;%1&quot;, which is not a record file</source>
        <translation>una imagen se guarda en «%1», que no es un archivo del registro</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is missing or not text</source>
        <translation>&quot;%1&quot; falta o no es texto</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a SHA-256 digest</source>
        <translation>&quot;%1&quot; no es un hash SHA-256</translation>
    </message>
    <message>
        <source>it lacks %1</source>
        <translation>falta %1</translation>
    </message>
    <message>
        <source>%1 is too large</source>
        <translation>%1 es demasiado grande</translation>
    </message>
    <message>
        <source>%1 is not the picture the record names</source>
        <translation>%1 no es la imagen que indica el registro</translation>
    </message>
    <message>
        <source>a mod&apos;s name must be 1 to %1 bytes long</source>
        <translation>el nombre de un mod debe tener de 1 a %1 bytes</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not</source>
        <translation>«%1» no lo es</translation>
    </message>
    <message>
        <source>the mod is named &quot;%1&quot;, not &quot;%2&quot;</source>
        <translation>el mod se llama «%1», no «%2»</translation>
    </message>
    <message>
        <source>it can&apos;t update that one</source>
        <translation>no puede actualizar ese</translation>
    </message>
    <message>
        <source>a profile&apos;s name must be 1 to %1 bytes long</source>
        <translation>el nombre de un perfil debe tener de 1 a %1 bytes</translation>
    </message>
    <message>
        <source>there is no profile named &quot;%1&quot;</source>
        <translation>no hay ningún perfil llamado «%1»</translation>
    </message>
    <message>
        <source>the game&apos;s original of %1 that lay below the mod &quot;%2&quot; is not kept any more (tessary-originals was changed)</source>
        <translation>el original del juego de %1, que estaba bajo el mod «%2», ya no se conserva (tessary-originals fue modificado)</translation>
    </message>
    <message>
        <source>Tessary can&apos;t give it back, so nothing was changed</source>
        <translation>Tessary no puede devolverlo, así que no se cambió nada</translation>
    </message>
    <message>
        <source>the mod &quot;%1&quot; is neither on nor off</source>
        <translation>el mod «%1» no está ni activado ni desactivado</translation>
    </message>
    <message>
        <source>&quot;profiles&quot; is not a list</source>
        <translation>«profiles» no es una lista</translation>
    </message>
    <message>
        <source>two profiles have the name &quot;%1&quot;</source>
        <translation>dos perfiles se llaman «%1»</translation>
    </message>
    <message>
        <source>the profile &quot;%1&quot; has no list of mods</source>
        <translation>el perfil «%1» no tiene lista de mods</translation>
    </message>
    <message>
        <source>the profile &quot;%1&quot; names a mod that is not installed, or one twice</source>
        <translation>el perfil «%1» nombra un mod que no está instalado, o uno dos veces</translation>
    </message>
    <message numerus="yes">
        <source>the file has only %n bytes, a font header needs 14</source>
        <translation>
            <numerusform>el archivo solo tiene %n byte y una cabecera de fuente necesita 14</numerusform>
            <numerusform>el archivo solo tiene %n bytes y una cabecera de fuente necesita 14</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation>%1; %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 … and %n more</source>
        <translation>
            <numerusform>%1 … y %n más</numerusform>
            <numerusform>%1 … y %n más</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>another program changed the index to %1 images since Tessary loaded it (%2)</source>
        <translation>otro programa ha cambiado el índice a %1 imágenes desde que Tessary lo cargó (%2)</translation>
    </message>
    <message>
        <source>load the game folder again</source>
        <translation>vuelva a cargar la carpeta del juego</translation>
    </message>
    <message numerus="yes">
        <source>%n files matched no image: %1</source>
        <translation>
            <numerusform>%n archivo no correspondía a ninguna imagen: %1</numerusform>
            <numerusform>%n archivos no correspondían a ninguna imagen: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files matched no font sheet: %1</source>
        <translation>
            <numerusform>%n archivo no correspondía a ninguna hoja de fuente: %1</numerusform>
            <numerusform>%n archivos no correspondían a ninguna hoja de fuente: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files matched no image or font sheet: %1</source>
        <translation>
            <numerusform>%n archivo no correspondía a ninguna imagen ni hoja de fuente: %1</numerusform>
            <numerusform>%n archivos no correspondían a ninguna imagen ni hoja de fuente: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>una carpeta</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message numerus="yes">
        <source>Imported %n pictures.</source>
        <translation>
            <numerusform>%n imagen importada.</numerusform>
            <numerusform>%n imágenes importadas.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Imported %n pictures from %1.</source>
        <translation>
            <numerusform>%n imagen importada de %1.</numerusform>
            <numerusform>%n imágenes importadas de %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1
%2</source>
        <translation>%1
%2</translation>
    </message>
    <message numerus="yes">
        <source>%n files were the same as the picture already there: %1</source>
        <translation>
            <numerusform>%n archivo era igual que la imagen que ya había: %1</numerusform>
            <numerusform>%n archivos eran iguales que la imagen que ya había: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files were refused:</source>
        <translation>
            <numerusform>%n archivo se ha rechazado:</numerusform>
            <numerusform>%n archivos se han rechazado:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>… and %n more</source>
        <translation>
            <numerusform>… y %n más</numerusform>
            <numerusform>… y %n más</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message numerus="yes">
        <source>%n entries were skipped, as they are no files: %1</source>
        <translation>
            <numerusform>%n entrada se ha omitido porque no es un archivo: %1</numerusform>
            <numerusform>%n entradas se han omitido porque no son archivos: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the file has only %n bytes, a .tga header needs 18</source>
        <translation>
            <numerusform>el archivo solo tiene %n byte y una cabecera .tga necesita 18</numerusform>
            <numerusform>el archivo solo tiene %n bytes y una cabecera .tga necesita 18</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Tessary has finished it, so all %n files it was replacing now hold the changes.</source>
        <translation>
            <numerusform>Tessary la ha terminado, así que el archivo que estaba sustituyendo ya contiene los cambios.</numerusform>
            <numerusform>Tessary la ha terminado, así que los %n archivos que estaba sustituyendo ya contienen los cambios.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Tessary has put the earlier files back, but %n files that did not exist before it keep the new content: %1.</source>
        <translation>
            <numerusform>Tessary ha restaurado los archivos anteriores, pero %n archivo que antes no existía conserva el contenido nuevo: %1.</numerusform>
            <numerusform>Tessary ha restaurado los archivos anteriores, pero %n archivos que antes no existían conservan el contenido nuevo: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n unfinished files</source>
        <translation>
            <numerusform>%n archivo sin terminar</numerusform>
            <numerusform>%n archivos sin terminar</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n originals</source>
        <translation>
            <numerusform>%n original</numerusform>
            <numerusform>%n originales</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>a checksum (CRC) of the PNG data does not match, so the file is damaged (%1)</source>
        <translation>una suma de comprobación (CRC) de los datos PNG no coincide, así que el archivo está dañado (%1)</translation>
    </message>
    <message>
        <source>%1-bit true-colour .tga files can&apos;t be read</source>
        <translation>los archivos .tga de color verdadero de %1 bits no se pueden leer</translation>
    </message>
    <message>
        <source>colour-mapped .tga files with %1-bit colour indices can&apos;t be read</source>
        <translation>los archivos .tga indexados con índices de color de %1 bits no se pueden leer</translation>
    </message>
    <message>
        <source>%1-bit grey-scale .tga files can&apos;t be read</source>
        <translation>los archivos .tga en escala de grises de %1 bits no se pueden leer</translation>
    </message>
    <message>
        <source>the mod &quot;%1&quot; lists image %2, but this game has images 1 to %3</source>
        <translation>el mod «%1» incluye la imagen %2, pero este juego solo tiene las imágenes 1 a %3</translation>
    </message>
    <message>
        <source>the record of installed mods has no number left for another mod</source>
        <translation>el registro de mods instalados no tiene ningún número libre para otro mod</translation>
    </message>
    <message>
        <source>a picture&apos;s &quot;entry&quot; is not &quot;size&quot;</source>
        <translation>el &quot;entry&quot; de una imagen no es &quot;size&quot;</translation>
    </message>
    <message>
        <source>%1 holds %2 bytes, but its entry says %3 x %4 pixels</source>
        <translation>%1 contiene %2 bytes, pero su entrada indica %3 x %4 píxeles</translation>
    </message>
    <message>
        <source>the index has no entry for image %1</source>
        <translation>el índice no tiene entrada para la imagen %1</translation>
    </message>
    <message>
        <source>picture %1 names the mod it comes from without a name</source>
        <translation>la imagen %1 nombra el mod del que procede sin darle nombre</translation>
    </message>
    <message numerus="yes">
        <source>every picture that differs from the game&apos;s original is one an installed mod set (%n), and a package holds only your own changes unless you include the mods&apos; pictures</source>
        <translation>
            <numerusform>todas las imágenes que difieren del original del juego las ha puesto un mod instalado (%n), y un paquete solo contiene sus propios cambios, salvo que incluya las imágenes de los mods</numerusform>
            <numerusform>todas las imágenes que difieren del original del juego las ha puesto un mod instalado (%n), y un paquete solo contiene sus propios cambios, salvo que incluya las imágenes de los mods</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is %2 x %3 pixels, larger than the %4 x %5 Tessary takes from a mod</source>
        <translation>%1 es de %2 x %3 píxeles, más que los %4 x %5 que Tessary acepta de un mod</translation>
    </message>
    <message>
        <source>%1 would bring the mod&apos;s decoded pictures past %2 MB, more than any menu mod holds</source>
        <translation>%1 haría que las imágenes decodificadas del mod pasaran de %2 MB, más de lo que contiene cualquier mod de menús</translation>
    </message>
    <message>
        <source>a JPEG picture</source>
        <translation>una imagen JPEG</translation>
    </message>
    <message>
        <source>a GIF picture</source>
        <translation>una imagen GIF</translation>
    </message>
    <message>
        <source>a BMP picture</source>
        <translation>una imagen BMP</translation>
    </message>
    <message>
        <source>a WebP picture</source>
        <translation>una imagen WebP</translation>
    </message>
    <message>
        <source>is %1, not a PNG or TGA file, whatever its name says</source>
        <translation>es %1, no un archivo PNG o TGA, diga lo que diga su nombre</translation>
    </message>
    <message>
        <source>save it as .png or .tga</source>
        <translation>guárdela como .png o .tga</translation>
    </message>
    <message>
        <source>there is not enough memory to expand the archive (%1)</source>
        <translation>no hay memoria suficiente para descomprimir el archivo comprimido (%1)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is encrypted, which Tessary can&apos;t read (%2)</source>
        <translation>«%1» está cifrado y Tessary no puede leerlo (%2)</translation>
    </message>
    <message>
        <source>the archive is encrypted, which Tessary can&apos;t read (%1)</source>
        <translation>el archivo comprimido está cifrado y Tessary no puede leerlo (%1)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; fails its CRC check, so the archive is damaged (%2)</source>
        <translation>«%1» no supera su comprobación CRC, así que el archivo comprimido está dañado (%2)</translation>
    </message>
    <message>
        <source>the archive fails a CRC check, so it is damaged (%1)</source>
        <translation>el archivo comprimido no supera una comprobación CRC, así que está dañado (%1)</translation>
    </message>
    <message>
        <source>the archive is cut off at &quot;%1&quot;, as a download not finished is (%2)</source>
        <translation>el archivo comprimido se corta en «%1», como una descarga sin terminar (%2)</translation>
    </message>
    <message>
        <source>the archive is cut off, as a download not finished is (%1)</source>
        <translation>el archivo comprimido está cortado, como una descarga sin terminar (%1)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is compressed in a way Tessary can&apos;t expand (%2)</source>
        <translation>«%1» está comprimido de una forma que Tessary no puede descomprimir (%2)</translation>
    </message>
    <message>
        <source>the archive is compressed in a way Tessary can&apos;t expand (%1)</source>
        <translation>el archivo comprimido está comprimido de una forma que Tessary no puede descomprimir (%1)</translation>
    </message>
    <message>
        <source>the archive&apos;s compressed data is cut off or damaged (a download not finished?)</source>
        <translation>los datos comprimidos del archivo están cortados o dañados (¿una descarga sin terminar?)</translation>
    </message>
    <message>
        <source>the archive is cut off: it ends without the end a tar archive has (a download not finished?)</source>
        <translation>el archivo comprimido está cortado: termina sin el final que tiene un archivo tar (¿una descarga sin terminar?)</translation>
    </message>
    <message>
        <source>the archive is cut off or damaged: %1 (a download not finished?)</source>
        <translation>el archivo comprimido está cortado o dañado: %1 (¿una descarga sin terminar?)</translation>
    </message>
    <message>
        <source>the entry &quot;%1&quot; has a name that holds a NUL character, which no file name holds</source>
        <translation>la entrada «%1» tiene un nombre con un carácter NUL, que ningún nombre de archivo contiene</translation>
    </message>
    <message>
        <source>it lacks the central directory at its end, the list of its files</source>
        <translation>le falta el directorio central al final, la lista de sus archivos</translation>
    </message>
    <message>
        <source>its zip64 end record is missing</source>
        <translation>falta su registro final zip64</translation>
    </message>
    <message>
        <source>its central directory lies outside it</source>
        <translation>su directorio central queda fuera de él</translation>
    </message>
    <message>
        <source>its central directory is incomplete</source>
        <translation>su directorio central está incompleto</translation>
    </message>
    <message>
        <source>an entry the central directory lists is missing</source>
        <translation>falta una entrada que lista el directorio central</translation>
    </message>
    <message numerus="yes">
        <source>its central directory lists %1 of the %n entries it says it holds</source>
        <translation>
            <numerusform>su directorio central lista %1 de la %n entrada que dice contener</numerusform>
            <numerusform>su directorio central lista %1 de las %n entradas que dice contener</numerusform>
        </translation>
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
    <message>
        <source>a temporary folder can&apos;t be made there</source>
        <translation>no se puede crear ahí una carpeta temporal</translation>
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
        <translation>Lo sentimos, no es un archivo GP4.exe válido. No se encuentra la carpeta de imágenes</translation>
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
    <message>
        <source>%1 (&quot;%2&quot; shows)</source>
        <translation>%1 (se ve «%2»)</translation>
    </message>
    <message>
        <source>%1 (none of the mods shows)</source>
        <translation>%1 (no se ve ninguno de los mods)</translation>
    </message>
    <message>
        <source>%1 (an edit shows)</source>
        <translation>%1 (se ve una edición)</translation>
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
    <message>
        <source>Load a picture (.tga, .png)</source>
        <translation>Cargar una imagen (.tga, .png)</translation>
    </message>
    <message>
        <source>Save the picture (.tga, .png)</source>
        <translation>Guardar la imagen (.tga, .png)</translation>
    </message>
    <message>
        <source>Mods…</source>
        <translation>Mods…</translation>
    </message>
    <message>
        <source>Install a mod from a folder</source>
        <translation>Instalar un mod desde una carpeta</translation>
    </message>
</context>
<context>
    <name>QtDialogs</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
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
    <message>
        <source>Save the images in %1 as .tga or as .png files?</source>
        <translation>¿Guardar las imágenes en %1 como archivos .tga o .png?</translation>
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
        <source>installation of %1</source>
        <translation>instalación de %1</translation>
    </message>
    <message>
        <source>uninstalling of %1</source>
        <translation>desinstalación de %1</translation>
    </message>
    <message>
        <source>The mod &quot;%1&quot; is uninstalled as changes to apply; &quot;Apply All Changes&quot; writes them into the game folder.</source>
        <translation>El mod «%1» queda desinstalado, aún sin aplicar; «Aplicar todo» lo lleva a la carpeta del juego.</translation>
    </message>
    <message>
        <source>changing the game folder</source>
        <translation>cambiar la carpeta del juego</translation>
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
        <source>import of %1</source>
        <translation>importación de %1</translation>
    </message>
    <message>
        <source>the record of installed mods</source>
        <translation>el registro de mods instalados</translation>
    </message>
    <message>
        <source>the mods can&apos;t be installed or uninstalled: %1</source>
        <translation>no se pueden instalar ni desinstalar mods: %1</translation>
    </message>
    <message>
        <source>Saves every image into a folder, as .tga or .png files</source>
        <translation>Guarda todas las imágenes en una carpeta, como archivos .tga o .png</translation>
    </message>
    <message>
        <source>Takes a .tga or .png file in place of the picture</source>
        <translation>Sustituye la imagen por un archivo .tga o .png</translation>
    </message>
    <message>
        <source>Saves the picture as a .tga or .png file</source>
        <translation>Guarda la imagen como archivo .tga o .png</translation>
    </message>
    <message>
        <source>The image editor&apos;s save of %1 was not taken: %2</source>
        <translation>No se ha tomado lo que el editor de imágenes guardó de %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>import of %n pictures</source>
        <translation>
            <numerusform>importación de %n imagen</numerusform>
            <numerusform>importación de %n imágenes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n pictures imported</source>
        <translation>
            <numerusform>%n imagen importada</numerusform>
            <numerusform>%n imágenes importadas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n images and %1 font sheets loaded</source>
        <translation>
            <numerusform>%n imagen y %1 hojas de fuente cargadas</numerusform>
            <numerusform>%n imágenes y %1 hojas de fuente cargadas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files written to the game folder</source>
        <translation>
            <numerusform>%n archivo escrito en la carpeta del juego</numerusform>
            <numerusform>%n archivos escritos en la carpeta del juego</numerusform>
        </translation>
    </message>
    <message>
        <source>Game folder: %1</source>
        <translation>Carpeta del juego: %1</translation>
    </message>
    <message>
        <source>%1
Click to open it in the file manager.</source>
        <translation>%1
Haga clic para abrirla en el gestor de archivos.</translation>
    </message>
    <message>
        <source>The file manager could not be started to show %1.</source>
        <translation>No se ha podido iniciar el gestor de archivos para mostrar %1.</translation>
    </message>
    <message>
        <source>%1 (&quot;%2&quot;)</source>
        <translation>%1 («%2»)</translation>
    </message>
    <message>
        <source>
Left out, as installed mods set them: %1</source>
        <translation>
Omitidas, porque las ponen mods instalados: %1</translation>
    </message>
    <message numerus="yes">
        <source>Saved %n pictures as the mod package %1:
%2</source>
        <translation>
            <numerusform>%n imagen guardada como el paquete de mod %1:
%2</numerusform>
            <numerusform>%n imágenes guardadas como el paquete de mod %1:
%2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>
%n pictures go back to what lies below: %1</source>
        <translation>
            <numerusform>
%n imagen vuelve a lo que hay debajo: %1</numerusform>
            <numerusform>
%n imágenes vuelven a lo que hay debajo: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>
%n pictures stay as they are, covered since: %1</source>
        <translation>
            <numerusform>
%n imagen se queda como está, cubierta desde entonces: %1</numerusform>
            <numerusform>
%n imágenes se quedan como están, cubiertas desde entonces: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n images saved</source>
        <translation>
            <numerusform>%n imagen guardada</numerusform>
            <numerusform>%n imágenes guardadas</numerusform>
        </translation>
    </message>
    <message>
        <source>switching on of %1</source>
        <translation>activación de %1</translation>
    </message>
    <message>
        <source>switching off of %1</source>
        <translation>desactivación de %1</translation>
    </message>
    <message>
        <source>moving of %1</source>
        <translation>traslado de %1</translation>
    </message>
    <message>
        <source>saving of the profile %1</source>
        <translation>guardado del perfil %1</translation>
    </message>
    <message>
        <source>switching to the profile %1</source>
        <translation>cambio al perfil %1</translation>
    </message>
</context>
<context>
    <name>TFormInstallPreview</name>
    <message>
        <source>. Installing makes these changes in Tessary; &quot;Apply All Changes&quot; writes them into the game folder.</source>
        <translation>. La instalación aplica estos cambios en Tessary; «Aplicar todo» los escribe en la carpeta del juego.</translation>
    </message>
    <message>
        <source>Install the mod &quot;%1&quot;?</source>
        <translation>¿Instalar el mod «%1»?</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Instalar</translation>
    </message>
    <message numerus="yes">
        <source>%n pictures change</source>
        <translation>
            <numerusform>%n imagen cambia</numerusform>
            <numerusform>%n imágenes cambian</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; %n are the same already</source>
        <translation>
            <numerusform>; %n ya es igual</numerusform>
            <numerusform>; %n ya son iguales</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TFormInstalledMods</name>
    <message>
        <source>No mod is installed in this game folder.</source>
        <translation>No hay ningún mod instalado en esta carpeta del juego.</translation>
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
    <message>
        <source>The mods of this game folder: where two set a picture, the lower one in the list shows.</source>
        <translation>Los mods de esta carpeta del juego: si dos fijan la misma imagen, se ve la del que está más abajo en la lista.</translation>
    </message>
    <message>
        <source>Changes not yet applied: &quot;Apply All Changes&quot; writes them into the game folder.</source>
        <translation>Cambios aún sin aplicar: «Aplicar todo» los escribe en la carpeta del juego.</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Subir</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Bajar</translation>
    </message>
    <message>
        <source>Switched off: its pictures don&apos;t show; switch it on to show them again.</source>
        <translation>Desactivado: sus imágenes no se muestran; actívelo para volver a mostrarlas.</translation>
    </message>
    <message>
        <source>Set by other mods too: %1</source>
        <translation>Fijadas también por otros mods: %1</translation>
    </message>
    <message>
        <source>Install…</source>
        <translation>Instalar…</translation>
    </message>
    <message>
        <source>From an archive…</source>
        <translation>Desde un archivo comprimido…</translation>
    </message>
    <message>
        <source>From a folder…</source>
        <translation>Desde una carpeta…</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>to apply</source>
        <translation>por aplicar</translation>
    </message>
    <message>
        <source>applied</source>
        <translation>aplicado</translation>
    </message>
    <message>
        <source>Profile:</source>
        <translation>Perfil:</translation>
    </message>
    <message>
        <source>(none in use)</source>
        <translation>(ninguno en uso)</translation>
    </message>
    <message>
        <source>Save as profile…</source>
        <translation>Guardar como perfil…</translation>
    </message>
    <message>
        <source>Keep the mods on now, in their order, as the profile:</source>
        <translation>Guardar los mods activos, en su orden, como el perfil:</translation>
    </message>
</context>
<context>
    <name>TFormModPackage</name>
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
    <message>
        <source>Every picture of your own that differs from the game&apos;s original goes into the package, with your changes not yet applied.</source>
        <translation>Cada imagen tuya distinta del original del juego entra en el paquete, incluidos tus cambios aún no aplicados.</translation>
    </message>
    <message>
        <source>Pictures that installed mods set are their authors&apos; work: without this they stay out of the package; with it, the manifest names each one&apos;s mod and author.</source>
        <translation>Las imágenes que ponen los mods instalados son obra de sus autores: sin esto quedan fuera del paquete; con esto, el manifiesto nombra el mod y el autor de cada una.</translation>
    </message>
    <message numerus="yes">
        <source>Include %n pictures of installed mods, crediting their mods</source>
        <translation>
            <numerusform>Incluir %n imagen de un mod instalado, citando su mod</numerusform>
            <numerusform>Incluir %n imágenes de mods instalados, citando sus mods</numerusform>
        </translation>
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
        <translation>Carpeta del juego</translation>
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
