<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>CoreMessages</name>
    <message>
        <source>file not found</source>
        <translation>arquivo não encontrado</translation>
    </message>
    <message>
        <source>folder not found</source>
        <translation>pasta não encontrada</translation>
    </message>
    <message>
        <source>access denied</source>
        <translation>acesso negado</translation>
    </message>
    <message>
        <source>reading beyond the end of the file</source>
        <translation>leitura além do fim do arquivo</translation>
    </message>
    <message>
        <source>disk full</source>
        <translation>disco cheio</translation>
    </message>
    <message>
        <source>the file system is read-only</source>
        <translation>o sistema de arquivos é somente leitura</translation>
    </message>
    <message>
        <source>is a folder, not a file</source>
        <translation>é uma pasta, não um arquivo</translation>
    </message>
    <message>
        <source>is a file, not a folder</source>
        <translation>é um arquivo, não uma pasta</translation>
    </message>
    <message>
        <source>is not a folder</source>
        <translation>não é uma pasta</translation>
    </message>
    <message>
        <source>is not a regular file (a pipe or a device)</source>
        <translation>não é um arquivo comum (um pipe ou um dispositivo)</translation>
    </message>
    <message>
        <source>is a symbolic link, which Tessary does not follow</source>
        <translation>é um link simbólico, que o Tessary não segue</translation>
    </message>
    <message>
        <source>the path is too long</source>
        <translation>o caminho é longo demais</translation>
    </message>
    <message>
        <source>the file is in use by another program</source>
        <translation>o arquivo está em uso por outro programa</translation>
    </message>
    <message>
        <source>nothing was changed</source>
        <translation>nada foi alterado</translation>
    </message>
    <message>
        <source>nothing was written</source>
        <translation>nada foi gravado</translation>
    </message>
    <message>
        <source>error code %1 (%2)</source>
        <translation>código de erro %1 (%2)</translation>
    </message>
    <message>
        <source>another program changed this file since Tessary loaded them: %1</source>
        <translation>outro programa alterou este arquivo desde que o Tessary o carregou: %1</translation>
    </message>
    <message>
        <source>another program changed these files since Tessary loaded them: %1</source>
        <translation>outro programa alterou estes arquivos desde que o Tessary os carregou: %1</translation>
    </message>
    <message>
        <source>another program changed the record of installed mods since Tessary read it</source>
        <translation>outro programa alterou o registro de mods instalados desde que o Tessary o leu</translation>
    </message>
    <message>
        <source>another program is writing this game folder</source>
        <translation>outro programa está gravando nesta pasta do jogo</translation>
    </message>
    <message>
        <source>another program is reading this game folder</source>
        <translation>outro programa está lendo esta pasta do jogo</translation>
    </message>
    <message>
        <source>try again when it has finished</source>
        <translation>tente de novo quando ele terminar</translation>
    </message>
    <message>
        <source>try again in a moment</source>
        <translation>tente de novo em instantes</translation>
    </message>
    <message>
        <source>the files already replaced were put back, so nothing was changed</source>
        <translation>os arquivos já substituídos foram restaurados, então nada foi alterado</translation>
    </message>
    <message>
        <source>the game folder is not loaded completely</source>
        <translation>a pasta do jogo não foi carregada por completo</translation>
    </message>
    <message>
        <source>holds fewer pixels than its byte count</source>
        <translation>contém menos pixels do que indica a contagem de bytes</translation>
    </message>
    <message>
        <source>this program reads no .png files</source>
        <translation>este programa não lê arquivos .png</translation>
    </message>
    <message>
        <source>there is no menu image number %1</source>
        <translation>não existe a imagem de menu número %1</translation>
    </message>
    <message>
        <source>there is no font number %1</source>
        <translation>não existe a fonte número %1</translation>
    </message>
    <message>
        <source>save the picture with 24 or 32 bits per pixel</source>
        <translation>salve a imagem com 24 ou 32 bits por pixel</translation>
    </message>
    <message>
        <source>Sorry but Tessary can&apos;t read RLE encoded .tga files.</source>
        <translation>Desculpe, o Tessary não consegue ler arquivos .tga com compressão RLE.</translation>
    </message>
    <message>
        <source>reading beyond the end of the file (%1)</source>
        <translation>leitura além do fim do arquivo (%1)</translation>
    </message>
    <message>
        <source>is a link, which Tessary does not follow</source>
        <translation>é um link, que o Tessary não segue</translation>
    </message>
    <message>
        <source>is not a plain file</source>
        <translation>não é um arquivo comum</translation>
    </message>
    <message>
        <source>%1 is not a plain file</source>
        <translation>%1 não é um arquivo comum</translation>
    </message>
    <message>
        <source>holds %1 bytes, more than such a file ever holds</source>
        <translation>contém %1 bytes, mais do que um arquivo assim jamais contém</translation>
    </message>
    <message>
        <source>error code %1</source>
        <translation>código de erro %1</translation>
    </message>
    <message>
        <source>the image count %1 is negative</source>
        <translation>a contagem de imagens %1 é negativa</translation>
    </message>
    <message>
        <source>the index lists %1 image slots but holds only %2 bytes</source>
        <translation>o índice lista %1 posições de imagem, mas contém só %2 bytes</translation>
    </message>
    <message>
        <source>entry %1 runs past the end of the file</source>
        <translation>a entrada %1 passa do fim do arquivo</translation>
    </message>
    <message>
        <source>the font table count %1 is negative</source>
        <translation>a contagem de entradas %1 da tabela da fonte é negativa</translation>
    </message>
    <message>
        <source>a table of %1 entries and a sheet need %2 bytes, the file has %3</source>
        <translation>uma tabela de %1 entradas e uma folha precisam de %2 bytes, o arquivo tem %3</translation>
    </message>
    <message>
        <source>the image file holds %1 bytes, more than an image can hold</source>
        <translation>o arquivo de imagem contém %1 bytes, mais do que uma imagem comporta</translation>
    </message>
    <message>
        <source>holds no menu image number %1</source>
        <translation>não contém a imagem de menu número %1</translation>
    </message>
    <message>
        <source>the game&apos;s original index has no entry for image %1</source>
        <translation>o índice original do jogo não tem entrada para a imagem %1</translation>
    </message>
    <message>
        <source>the kept original holds %1 bytes, but the game&apos;s index gives image %2 %3 × %4 pixels (%5 bytes)</source>
        <translation>o original guardado contém %1 bytes, mas o índice do jogo dá à imagem %2 %3 × %4 pixels (%5 bytes)</translation>
    </message>
    <message>
        <source>Tessary does not restore it</source>
        <translation>o Tessary não o restaura</translation>
    </message>
    <message>
        <source>is not a file of the record of installed mods</source>
        <translation>não é um arquivo do registro de mods instalados</translation>
    </message>
    <message>
        <source>Tessary replaces only plain game files</source>
        <translation>o Tessary só substitui arquivos comuns do jogo</translation>
    </message>
    <message>
        <source>Tessary keeps the game&apos;s original files there</source>
        <translation>é ali que o Tessary guarda os arquivos originais do jogo</translation>
    </message>
    <message>
        <source>Tessary keeps the game&apos;s original of %1 there</source>
        <translation>é ali que o Tessary guarda o original de %1</translation>
    </message>
    <message>
        <source>lies on another drive than the game files, so Tessary can&apos;t keep the game&apos;s original files there</source>
        <translation>fica em outra unidade que os arquivos do jogo, então o Tessary não pode guardar ali os arquivos originais do jogo</translation>
    </message>
    <message>
        <source>putting the earlier files back failed too (%1)</source>
        <translation>restaurar os arquivos anteriores também falhou (%1)</translation>
    </message>
    <message>
        <source>Tessary finishes the write-back the next time it opens this game folder</source>
        <translation>o Tessary conclui a gravação na próxima vez que abrir esta pasta do jogo</translation>
    </message>
    <message>
        <source>The game&apos;s original of %1 could not be kept in tessary-originals (%2)</source>
        <translation>Não foi possível guardar o original de %1 em tessary-originals (%2)</translation>
    </message>
    <message>
        <source>it stays beside it as %1, and Tessary tries again the next time it opens this game folder.</source>
        <translation>ele fica ao lado como %1, e o Tessary tenta de novo na próxima vez que abrir esta pasta do jogo.</translation>
    </message>
    <message>
        <source>the record of an interrupted write-back is damaged (%1)</source>
        <translation>o registro de uma gravação interrompida está danificado (%1)</translation>
    </message>
    <message>
        <source>Tessary leaves the folder as it is. Move this file away to use the folder again</source>
        <translation>o Tessary deixa a pasta como está. Mova este arquivo para outro lugar para usar a pasta de novo</translation>
    </message>
    <message>
        <source>it holds %1 bytes, far more than any record Tessary writes</source>
        <translation>ele contém %1 bytes, muito mais do que qualquer registro que o Tessary grava</translation>
    </message>
    <message>
        <source>it does not begin as Tessary writes it</source>
        <translation>o início não corresponde ao que o Tessary grava</translation>
    </message>
    <message>
        <source>its end does not match its entries</source>
        <translation>o fim não corresponde às entradas</translation>
    </message>
    <message>
        <source>line %1 is not an entry</source>
        <translation>a linha %1 não é uma entrada</translation>
    </message>
    <message>
        <source>it names %1, which is not a game file</source>
        <translation>ele cita %1, que não é um arquivo do jogo</translation>
    </message>
    <message>
        <source>it names %1 twice</source>
        <translation>ele cita %1 duas vezes</translation>
    </message>
    <message>
        <source>it names files that Tessary does not write beside %1</source>
        <translation>ele cita arquivos que o Tessary não grava ao lado de %1</translation>
    </message>
    <message>
        <source>it ends before its last line</source>
        <translation>ele termina antes da última linha</translation>
    </message>
    <message>
        <source>it does not match the files on disk: %1</source>
        <translation>ele não corresponde aos arquivos no disco: %1</translation>
    </message>
    <message>
        <source>%1 exists, though the record says it did not before the write-back</source>
        <translation>%1 existe, embora o registro diga que não existia antes da gravação</translation>
    </message>
    <message>
        <source>%1 and its new file are both missing</source>
        <translation>faltam tanto %1 quanto o seu arquivo novo</translation>
    </message>
    <message>
        <source>%1, its original and its new file are all there at once</source>
        <translation>%1, o seu original e o seu arquivo novo estão todos lá ao mesmo tempo</translation>
    </message>
    <message>
        <source>%1 and the original the record moved aside are both missing</source>
        <translation>faltam tanto %1 quanto o original que o registro pôs de lado</translation>
    </message>
    <message>
        <source>a write-back to this game folder was cut short, and Tessary can&apos;t finish or undo it</source>
        <translation>uma gravação nesta pasta do jogo foi interrompida, e o Tessary não consegue concluí-la nem desfazê-la</translation>
    </message>
    <message>
        <source>A write-back to %1 was cut short</source>
        <translation>Uma gravação em %1 foi interrompida</translation>
    </message>
    <message>
        <source>Tessary has put the earlier files back, so the folder is as it was before it.</source>
        <translation>o Tessary restaurou os arquivos anteriores, então a pasta está como era antes.</translation>
    </message>
    <message>
        <source>Tessary removed %1 that an earlier write-back to %2 left behind</source>
        <translation>Do que uma gravação anterior em %2 deixou para trás, o Tessary removeu %1</translation>
    </message>
    <message>
        <source>Tessary kept %1 in tessary-originals that an earlier write-back to %2 left behind</source>
        <translation>Do que uma gravação anterior em %2 deixou para trás, o Tessary guardou %1 em tessary-originals</translation>
    </message>
    <message>
        <source>Tessary removed %1 and kept %2 in tessary-originals that an earlier write-back to %3 left behind</source>
        <translation>Do que uma gravação anterior em %3 deixou para trás, o Tessary removeu %1 e guardou %2 em tessary-originals</translation>
    </message>
    <message>
        <source>the game files were not touched.</source>
        <translation>os arquivos do jogo não foram tocados.</translation>
    </message>
    <message>
        <source>colour map type %1 is not one the .tga format defines</source>
        <translation>o tipo de mapa de cores %1 não é definido pelo formato .tga</translation>
    </message>
    <message>
        <source>this is not a .tga file Tessary can read</source>
        <translation>este não é um arquivo .tga que o Tessary consiga ler</translation>
    </message>
    <message>
        <source>the file holds no picture (image type 0)</source>
        <translation>o arquivo não contém imagem (tipo de imagem 0)</translation>
    </message>
    <message>
        <source>the file is colour-mapped (image type 1) but holds no colour map</source>
        <translation>o arquivo usa cores indexadas (tipo de imagem 1), mas não contém mapa de cores</translation>
    </message>
    <message>
        <source>only 8-bit indices can</source>
        <translation>só os de índices de 8 bits</translation>
    </message>
    <message>
        <source>colour maps with %1-bit entries can&apos;t be read</source>
        <translation>mapas de cores com entradas de %1 bits não podem ser lidos</translation>
    </message>
    <message>
        <source>save the picture with a 24- or 32-bit colour map, or as 24- or 32-bit true-colour</source>
        <translation>salve a imagem com um mapa de cores de 24 ou 32 bits, ou como true color de 24 ou 32 bits</translation>
    </message>
    <message>
        <source>only 8-bit grey-scale can</source>
        <translation>só os de tons de cinza de 8 bits</translation>
    </message>
    <message>
        <source>image type %1 is not an uncompressed true-colour, colour-mapped or grey-scale .tga file</source>
        <translation>o tipo de imagem %1 não é um arquivo .tga sem compressão em true color, indexado ou em tons de cinza</translation>
    </message>
    <message>
        <source>the header announces a %1 picture of %2 bits per pixel, which needs %3 bytes, but the file has only %4</source>
        <translation>o cabeçalho anuncia uma imagem de %1 com %2 bits por pixel, que precisa de %3 bytes, mas o arquivo tem só %4</translation>
    </message>
    <message>
        <source>pixel (%1, %2) uses colour %3, which the file&apos;s colour map does not hold</source>
        <translation>o pixel (%1, %2) usa a cor %3, que o mapa de cores do arquivo não contém</translation>
    </message>
    <message>
        <source>is not a .png file: it does not start with the PNG signature</source>
        <translation>não é um arquivo .png: não começa com a assinatura PNG</translation>
    </message>
    <message>
        <source>the PNG&apos;s palette or transparency is damaged (%1), so its pixels are not defined</source>
        <translation>a paleta ou a transparência do PNG está danificada (%1), então os pixels não estão definidos</translation>
    </message>
    <message>
        <source>the PNG data is damaged or cut short (%1)</source>
        <translation>os dados PNG estão danificados ou cortados (%1)</translation>
    </message>
    <message>
        <source>the file is too short for a %1 picture</source>
        <translation>o arquivo é curto demais para uma imagem de %1</translation>
    </message>
    <message>
        <source>the file ends before the picture does</source>
        <translation>o arquivo termina antes da imagem</translation>
    </message>
    <message>
        <source>pixel (%1, %2) has colour number %3, but the palette holds only %4 colours</source>
        <translation>o pixel (%1, %2) tem o número de cor %3, mas a paleta contém só %4 cores</translation>
    </message>
    <message>
        <source>the PNG picture can&apos;t be made (%1)</source>
        <translation>a imagem PNG não pode ser criada (%1)</translation>
    </message>
    <message>
        <source>a %1 picture needs %2 bytes, more than the 2147483647 a menu image can hold</source>
        <translation>uma imagem de %1 precisa de %2 bytes, mais do que os 2147483647 que uma imagem de menu comporta</translation>
    </message>
    <message>
        <source>the picture is %1 pixels</source>
        <translation>a imagem tem %1 pixels</translation>
    </message>
    <message>
        <source>a font sheet must be 256 x 256</source>
        <translation>uma folha de fonte deve ter 256 x 256</translation>
    </message>
    <message>
        <source>not enough memory</source>
        <translation>memória insuficiente</translation>
    </message>
    <message>
        <source>not enough memory to read a .png file</source>
        <translation>memória insuficiente para ler um arquivo .png</translation>
    </message>
    <message>
        <source>not enough memory to read a %1 picture</source>
        <translation>memória insuficiente para ler uma imagem de %1</translation>
    </message>
    <message>
        <source>not enough memory for a %1 picture</source>
        <translation>memória insuficiente para uma imagem de %1</translation>
    </message>
    <message>
        <source>image %1 (%2 x %3 pixels) holds no picture a .png file can hold</source>
        <translation>a imagem %1 (%2 x %3 pixels) não contém uma imagem que caiba num arquivo .png</translation>
    </message>
    <message>
        <source>image %1 (%2 x %3 pixels) holds %4 bytes instead of %5</source>
        <translation>a imagem %1 (%2 x %3 pixels) contém %4 bytes em vez de %5</translation>
    </message>
    <message>
        <source>save it as .tga</source>
        <translation>salve-a como .tga</translation>
    </message>
    <message>
        <source>a .png file holds only whole pictures, so save it as .tga</source>
        <translation>um arquivo .png só contém imagens inteiras, então salve-a como .tga</translation>
    </message>
    <message>
        <source>there is no font sheet number %1</source>
        <translation>não existe a folha de fonte número %1</translation>
    </message>
    <message>
        <source>font sheet %1 holds %2 bytes instead of 65536</source>
        <translation>a folha de fonte %1 contém %2 bytes em vez de 65536</translation>
    </message>
    <message>
        <source>holds no picture a .png file can hold</source>
        <translation>não contém uma imagem que caiba num arquivo .png</translation>
    </message>
    <message>
        <source>holds %1 bytes instead of 65536</source>
        <translation>contém %1 bytes em vez de 65536</translation>
    </message>
    <message>
        <source>image %1 is %2 pixels wide</source>
        <translation>a imagem %1 tem %2 pixels de largura</translation>
    </message>
    <message>
        <source>image %1 is %2 pixels high</source>
        <translation>a imagem %1 tem %2 pixels de altura</translation>
    </message>
    <message>
        <source>a .tga file can only hold 0 to 65535</source>
        <translation>um arquivo .tga só comporta de 0 a 65535</translation>
    </message>
    <message>
        <source>image %1 has a negative byte count (%2)</source>
        <translation>a imagem %1 tem uma contagem de bytes negativa (%2)</translation>
    </message>
    <message>
        <source>there is no menu image number %1 to replace</source>
        <translation>não existe a imagem de menu número %1 para substituir</translation>
    </message>
    <message>
        <source>there is no font sheet number %1 to replace</source>
        <translation>não existe a folha de fonte número %1 para substituir</translation>
    </message>
    <message>
        <source>these files all name the same image: %1</source>
        <translation>todos estes arquivos indicam a mesma imagem: %1</translation>
    </message>
    <message>
        <source>these files all name the same font sheet: %1</source>
        <translation>todos estes arquivos indicam a mesma folha de fonte: %1</translation>
    </message>
    <message>
        <source>rename or remove all but one</source>
        <translation>renomeie ou remova todos menos um</translation>
    </message>
    <message>
        <source>No picture was imported.</source>
        <translation>Nenhuma imagem foi importada.</translation>
    </message>
    <message>
        <source>No picture was imported from %1.</source>
        <translation>Nenhuma imagem foi importada de %1.</translation>
    </message>
    <message>
        <source>the archive is damaged (%1)</source>
        <translation>o arquivo compactado está danificado (%1)</translation>
    </message>
    <message>
        <source>the archive is damaged at &quot;%1&quot; (%2)</source>
        <translation>o arquivo compactado está danificado em “%1” (%2)</translation>
    </message>
    <message>
        <source>this build of Tessary can&apos;t expand archives compressed as this one is</source>
        <translation>esta versão do Tessary não consegue extrair arquivos compactados desta forma</translation>
    </message>
    <message>
        <source>the archive holds %1 bytes, more than Tessary reads (%2)</source>
        <translation>o arquivo compactado contém %1 bytes, mais do que o Tessary lê (%2)</translation>
    </message>
    <message>
        <source>is not an archive Tessary can read (%1)</source>
        <translation>não é um arquivo compactado que o Tessary consiga ler (%1)</translation>
    </message>
    <message>
        <source>the archive holds more than %1 entries</source>
        <translation>o arquivo compactado contém mais de %1 entradas</translation>
    </message>
    <message>
        <source>the folder holds more than %1 files and folders</source>
        <translation>a pasta contém mais de %1 arquivos e pastas</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is encrypted, which Tessary can&apos;t read</source>
        <translation>“%1” está criptografado, e o Tessary não consegue lê-lo</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a link, which Tessary does not follow</source>
        <translation>“%1” é um link, que o Tessary não segue</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a device or another special file, not a file</source>
        <translation>“%1” é um dispositivo ou outro arquivo especial, não um arquivo</translation>
    </message>
    <message>
        <source>&quot;%1&quot; expands more than %2 times over what it takes in the archive, as a zip bomb does</source>
        <translation>“%1” se expande mais de %2 vezes em relação ao que ocupa no arquivo compactado, como uma bomba zip</translation>
    </message>
    <message>
        <source>&quot;%1&quot; would make the archive expand past %2 MB, more than any menu mod holds (a zip bomb?)</source>
        <translation>“%1” faria o arquivo compactado passar de %2 MB ao ser extraído, mais do que qualquer mod de menus contém (uma bomba zip?)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; would take the mod past %2 MB, more than any menu mod holds</source>
        <translation>“%1” faria o mod passar de %2 MB, mais do que qualquer mod de menus contém</translation>
    </message>
    <message>
        <source>&quot;%1&quot; lies more than %2 folders deep</source>
        <translation>“%1” está a mais de %2 níveis de pastas</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has no name</source>
        <translation>“%1” não tem nome</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has a name that is not valid text (UTF-8)</source>
        <translation>“%1” tem um nome que não é texto válido (UTF-8)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has a control character in its name</source>
        <translation>“%1” tem um caractere de controle no nome</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is named by an absolute path</source>
        <translation>“%1” é nomeado por um caminho absoluto</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is named with a drive letter</source>
        <translation>“%1” é nomeado com uma letra de unidade</translation>
    </message>
    <message>
        <source>&quot;%1&quot; climbs out of the archive&apos;s folder (&quot;..&quot;)</source>
        <translation>“%1” sai da pasta do arquivo compactado (&quot;..&quot;)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has &apos;:&apos; in its name, which Windows reads as a drive or a stream</source>
        <translation>“%1” tem &apos;:&apos; no nome, que o Windows lê como unidade ou fluxo</translation>
    </message>
    <message>
        <source>&quot;%1&quot; lies in a folder that has the name of a file: &quot;%2&quot;</source>
        <translation>“%1” está numa pasta que tem o nome de um arquivo: “%2”</translation>
    </message>
    <message>
        <source>&quot;%1&quot; appears twice (letter case aside)</source>
        <translation>“%1” aparece duas vezes (sem contar maiúsculas e minúsculas)</translation>
    </message>
    <message>
        <source>holds no menu image or font sheet of this game that Tessary could take</source>
        <translation>não contém nenhuma imagem de menu nem folha de fonte deste jogo que o Tessary possa usar</translation>
    </message>
    <message>
        <source>holds no menu image or font sheet of this game that Tessary could take (%1)</source>
        <translation>não contém nenhuma imagem de menu nem folha de fonte deste jogo que o Tessary possa usar (%1)</translation>
    </message>
    <message>
        <source>holds game files in two folders, &quot;%1&quot; and &quot;%2&quot;</source>
        <translation>contém arquivos do jogo em duas pastas, “%1” e “%2”</translation>
    </message>
    <message>
        <source>&quot;%1&quot; and &quot;%2&quot; both name %3</source>
        <translation>“%1” e “%2” indicam ambos %3</translation>
    </message>
    <message>
        <source>Tessary can&apos;t tell which of them the mod means</source>
        <translation>o Tessary não consegue saber a qual o mod se refere</translation>
    </message>
    <message>
        <source>%1 is image %2, but this game has images 1 to %3 only</source>
        <translation>%1 é a imagem %2, mas este jogo só tem as imagens 1 a %3</translation>
    </message>
    <message>
        <source>the mod&apos;s Gp2001.gph lists %1 images, this game&apos;s index %2, and it has no entry for %3</source>
        <translation>o Gp2001.gph do mod lista %1 imagens, o índice deste jogo %2, e não tem entrada para %3</translation>
    </message>
    <message>
        <source>%1 holds %2 bytes, but its entry in the mod&apos;s Gp2001.gph says %3 (%4 bytes)</source>
        <translation>%1 contém %2 bytes, mas a sua entrada no Gp2001.gph do mod indica %3 (%4 bytes)</translation>
    </message>
    <message>
        <source>%1 holds %2 bytes, but its entry in the game&apos;s index (the mod ships none) says %3 (%4 bytes)</source>
        <translation>%1 contém %2 bytes, mas a sua entrada no índice do jogo (o mod não traz um) indica %3 (%4 bytes)</translation>
    </message>
    <message>
        <source>%1 x %2 pixels</source>
        <translation>%1 x %2 pixels</translation>
    </message>
    <message>
        <source>holds %1 bytes, not one index entry</source>
        <translation>contém %1 bytes, não uma entrada do índice</translation>
    </message>
    <message>
        <source>The mod&apos;s Gp2001.gph also changes the entries of images it does not ship</source>
        <translation>O Gp2001.gph do mod também altera as entradas de imagens que o mod não traz</translation>
    </message>
    <message>
        <source>Tessary leaves them as they are</source>
        <translation>o Tessary as deixa como estão</translation>
    </message>
    <message>
        <source>Font files with another header or table than the game&apos;s: only their pictures are taken: %1</source>
        <translation>Arquivos de fonte com cabeçalho ou tabela diferentes dos do jogo (só as imagens são usadas): %1</translation>
    </message>
    <message>
        <source>Files that are no game file were left out: %1</source>
        <translation>Os arquivos que não são do jogo foram deixados de fora: %1</translation>
    </message>
    <message>
        <source>Files that name no menu image or font sheet of this game were left out: %1</source>
        <translation>Os arquivos que não indicam nenhuma imagem de menu nem folha de fonte deste jogo foram deixados de fora: %1</translation>
    </message>
    <message>
        <source>The package was made over other pictures than this game&apos;s originals: %1</source>
        <translation>O pacote foi feito sobre imagens diferentes dos originais deste jogo: %1</translation>
    </message>
    <message>
        <source>Files its manifest does not list were left out: %1</source>
        <translation>Os arquivos que o manifesto não lista foram deixados de fora: %1</translation>
    </message>
    <message>
        <source>tessary-mod.json is damaged: %1</source>
        <translation>tessary-mod.json está danificado: %1</translation>
    </message>
    <message>
        <source>the mod package was made by a newer Tessary (package version %1)</source>
        <translation>o pacote de mod foi feito por um Tessary mais novo (versão do pacote %1)</translation>
    </message>
    <message>
        <source>this one reads version %1</source>
        <translation>este lê a versão %1</translation>
    </message>
    <message>
        <source>it is not a JSON object</source>
        <translation>não é um objeto JSON</translation>
    </message>
    <message>
        <source>&quot;format&quot; is not &quot;Tessary mod package&quot;</source>
        <translation>&quot;format&quot; não é &quot;Tessary mod package&quot;</translation>
    </message>
    <message>
        <source>&quot;name&quot; is empty</source>
        <translation>&quot;name&quot; está vazio</translation>
    </message>
    <message>
        <source>&quot;created&quot; is not a time such as 2026-05-04T12:34:56Z</source>
        <translation>&quot;created&quot; não é uma data e hora como 2026-05-04T12:34:56Z</translation>
    </message>
    <message>
        <source>&quot;pictures&quot; is not a list of at most %1 pictures</source>
        <translation>&quot;pictures&quot; não é uma lista de no máximo %1 imagens</translation>
    </message>
    <message>
        <source>%1 is listed twice</source>
        <translation>%1 aparece duas vezes</translation>
    </message>
    <message>
        <source>the manifest has no &quot;%1&quot;</source>
        <translation>o manifesto não tem &quot;%1&quot;</translation>
    </message>
    <message>
        <source>the manifest has an unknown key &quot;%1&quot;</source>
        <translation>o manifesto tem uma chave desconhecida &quot;%1&quot;</translation>
    </message>
    <message>
        <source>&quot;%1&quot; of the manifest is not text</source>
        <translation>&quot;%1&quot; do manifesto não é texto</translation>
    </message>
    <message>
        <source>&quot;%1&quot; of the manifest is longer than %2 bytes</source>
        <translation>&quot;%1&quot; do manifesto tem mais de %2 bytes</translation>
    </message>
    <message>
        <source>&quot;%1&quot; of the manifest holds a control character</source>
        <translation>&quot;%1&quot; do manifesto contém um caractere de controle</translation>
    </message>
    <message>
        <source>&quot;%1&quot; of the manifest is not a whole number from %2 to %3</source>
        <translation>&quot;%1&quot; do manifesto não é um número inteiro de %2 a %3</translation>
    </message>
    <message>
        <source>picture %1 is not an object</source>
        <translation>a imagem %1 não é um objeto</translation>
    </message>
    <message>
        <source>picture %1 has no &quot;%2&quot;</source>
        <translation>a imagem %1 não tem &quot;%2&quot;</translation>
    </message>
    <message>
        <source>picture %1 has an unknown key &quot;%2&quot;</source>
        <translation>a imagem %1 tem uma chave desconhecida &quot;%2&quot;</translation>
    </message>
    <message>
        <source>picture %1 must name either an &quot;image&quot; or a &quot;font&quot;</source>
        <translation>a imagem %1 deve indicar ou &quot;image&quot; ou &quot;font&quot;</translation>
    </message>
    <message>
        <source>picture %1 names no font of the game: &quot;%2&quot;</source>
        <translation>a imagem %1 não indica nenhuma fonte do jogo: &quot;%2&quot;</translation>
    </message>
    <message>
        <source>picture %1 must be in the file &quot;%2&quot;</source>
        <translation>a imagem %1 deve estar no arquivo &quot;%2&quot;</translation>
    </message>
    <message>
        <source>&quot;%1&quot; of picture %2 is not text</source>
        <translation>&quot;%1&quot; da imagem %2 não é texto</translation>
    </message>
    <message>
        <source>&quot;%1&quot; of picture %2 is longer than %3 bytes</source>
        <translation>&quot;%1&quot; da imagem %2 tem mais de %3 bytes</translation>
    </message>
    <message>
        <source>&quot;%1&quot; of picture %2 holds a control character</source>
        <translation>&quot;%1&quot; da imagem %2 contém um caractere de controle</translation>
    </message>
    <message>
        <source>&quot;%1&quot; of picture %2 is not a whole number from %3 to %4</source>
        <translation>&quot;%1&quot; da imagem %2 não é um número inteiro de %3 a %4</translation>
    </message>
    <message>
        <source>&quot;%1&quot; of picture %2 is not a SHA-256 digest (64 lower-case hex digits)</source>
        <translation>&quot;%1&quot; da imagem %2 não é um hash SHA-256 (64 dígitos hexadecimais minúsculos)</translation>
    </message>
    <message>
        <source>%1 is not a PNG file, as its manifest says</source>
        <translation>%1 não é um arquivo PNG, ao contrário do que diz o manifesto</translation>
    </message>
    <message>
        <source>%1 is %2 x %3 pixels, but its manifest says %4 x %5</source>
        <translation>%1 tem %2 x %3 pixels, mas o manifesto diz %4 x %5</translation>
    </message>
    <message>
        <source>%1 does not hold the picture its manifest names (its SHA-256 differs)</source>
        <translation>%1 não contém a imagem que o manifesto indica (o SHA-256 é diferente)</translation>
    </message>
    <message>
        <source>the package is damaged</source>
        <translation>o pacote está danificado</translation>
    </message>
    <message>
        <source>the package replaces image %1, but this game has images 1 to %2 only</source>
        <translation>o pacote substitui a imagem %1, mas este jogo só tem as imagens 1 a %2</translation>
    </message>
    <message>
        <source>the package lacks %1, which its manifest lists</source>
        <translation>falta no pacote %1, que o manifesto lista</translation>
    </message>
    <message>
        <source>a mod package needs a name</source>
        <translation>um pacote de mod precisa de um nome</translation>
    </message>
    <message>
        <source>a mod package&apos;s name and author are at most 200 bytes long</source>
        <translation>o nome e o autor de um pacote de mod têm no máximo 200 bytes</translation>
    </message>
    <message>
        <source>a mod package&apos;s description is at most 4000 bytes long</source>
        <translation>a descrição de um pacote de mod tem no máximo 4000 bytes</translation>
    </message>
    <message>
        <source>a mod package&apos;s name, author and description can&apos;t hold control characters</source>
        <translation>o nome, o autor e a descrição de um pacote de mod não podem conter caracteres de controle</translation>
    </message>
    <message>
        <source>image %1 (%2 x %3 pixels) holds %4 bytes, not a whole picture, which a mod package can&apos;t hold</source>
        <translation>a imagem %1 (%2 x %3 pixels) contém %4 bytes, não uma imagem inteira, o que um pacote de mod não comporta</translation>
    </message>
    <message>
        <source>no package was written</source>
        <translation>nenhum pacote foi gravado</translation>
    </message>
    <message>
        <source>every picture is the game&apos;s original, so there is nothing to put in a mod package</source>
        <translation>todas as imagens são o original do jogo, então não há nada a pôr num pacote de mod</translation>
    </message>
    <message>
        <source>the .zip archive can&apos;t be written: %1</source>
        <translation>o arquivo .zip não pode ser gravado: %1</translation>
    </message>
    <message>
        <source>libarchive failed</source>
        <translation>a libarchive falhou</translation>
    </message>
    <message>
        <source>the text is not valid UTF-8</source>
        <translation>o texto não é UTF-8 válido</translation>
    </message>
    <message>
        <source>at byte %1: %2</source>
        <translation>no byte %1: %2</translation>
    </message>
    <message>
        <source>there is more after the value</source>
        <translation>há mais coisa depois do valor</translation>
    </message>
    <message>
        <source>expected a value</source>
        <translation>era esperado um valor</translation>
    </message>
    <message>
        <source>expected a key in quotes</source>
        <translation>era esperada uma chave entre aspas</translation>
    </message>
    <message>
        <source>expected &apos;:&apos; after a key</source>
        <translation>era esperado &apos;:&apos; depois de uma chave</translation>
    </message>
    <message>
        <source>expected &apos;,&apos; or &apos;}&apos;</source>
        <translation>era esperado &apos;,&apos; ou &apos;}&apos;</translation>
    </message>
    <message>
        <source>expected &apos;,&apos; or &apos;]&apos;</source>
        <translation>era esperado &apos;,&apos; ou &apos;]&apos;</translation>
    </message>
    <message>
        <source>the key &quot;%1&quot; appears twice</source>
        <translation>a chave &quot;%1&quot; aparece duas vezes</translation>
    </message>
    <message>
        <source>the values are nested too deeply</source>
        <translation>os valores estão aninhados fundo demais</translation>
    </message>
    <message>
        <source>\u needs four hex digits</source>
        <translation>\u precisa de quatro dígitos hexadecimais</translation>
    </message>
    <message>
        <source>a \u escape holds half a character</source>
        <translation>um escape \u contém meio caractere</translation>
    </message>
    <message>
        <source>unknown escape</source>
        <translation>escape desconhecido</translation>
    </message>
    <message>
        <source>the text ends inside quotes</source>
        <translation>o texto termina dentro de aspas</translation>
    </message>
    <message>
        <source>a control character stands unescaped in quotes</source>
        <translation>há um caractere de controle sem escape entre aspas</translation>
    </message>
    <message>
        <source>a number starts with 0</source>
        <translation>um número começa com 0</translation>
    </message>
    <message>
        <source>the number is too large</source>
        <translation>o número é grande demais</translation>
    </message>
    <message>
        <source>only whole numbers are taken</source>
        <translation>só números inteiros são aceitos</translation>
    </message>
    <message>
        <source>is not a folder of Tessary&apos;s own (a link or a file has its name)</source>
        <translation>não é uma pasta própria do Tessary (um link ou um arquivo tem o seu nome)</translation>
    </message>
    <message>
        <source>Tessary leaves it as it is</source>
        <translation>o Tessary não mexe em nada</translation>
    </message>
    <message>
        <source>a mod named &quot;%1&quot; is installed already</source>
        <translation>um mod chamado “%1” já está instalado</translation>
    </message>
    <message>
        <source>uninstall it first</source>
        <translation>desinstale-o primeiro</translation>
    </message>
    <message>
        <source>the record of installed mods is damaged (%1)</source>
        <translation>o registro de mods instalados está danificado (%1)</translation>
    </message>
    <message>
        <source>Tessary leaves it as it is. Move the folder tessary-mods away to install mods again</source>
        <translation>o Tessary o deixa como está. Mova a pasta tessary-mods para outro lugar para instalar mods de novo</translation>
    </message>
    <message>
        <source>it is not the file Tessary wrote</source>
        <translation>não é o arquivo que o Tessary gravou</translation>
    </message>
    <message>
        <source>the record of installed mods was written by another version of Tessary (record version %1)</source>
        <translation>o registro de mods instalados foi gravado por outra versão do Tessary (versão do registro %1)</translation>
    </message>
    <message>
        <source>it lists too many mods</source>
        <translation>ele lista mods demais</translation>
    </message>
    <message>
        <source>a mod has no number of its own</source>
        <translation>um mod não tem número próprio</translation>
    </message>
    <message>
        <source>a mod has no list of pictures</source>
        <translation>um mod não tem lista de imagens</translation>
    </message>
    <message>
        <source>two mods have the name &quot;%1&quot;</source>
        <translation>dois mods têm o nome “%1”</translation>
    </message>
    <message>
        <source>the mod &quot;%1&quot; lists %2 twice</source>
        <translation>o mod “%1” lista %2 duas vezes</translation>
    </message>
    <message>
        <source>a picture names neither an image nor a font</source>
        <translation>uma imagem não indica nem imagem de menu nem fonte</translation>
    </message>
    <message>
        <source>a picture is kept in &quot;%1&quot;, which is not a record file</source>
        <translation>uma imagem está guardada em “%1”, que não é um arquivo do registro</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is missing or not text</source>
        <translation>&quot;%1&quot; falta ou não é texto</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a SHA-256 digest</source>
        <translation>&quot;%1&quot; não é um hash SHA-256</translation>
    </message>
    <message>
        <source>it lacks %1</source>
        <translation>falta %1</translation>
    </message>
    <message>
        <source>%1 is too large</source>
        <translation>%1 é grande demais</translation>
    </message>
    <message>
        <source>%1 is not the picture the record names</source>
        <translation>%1 não é a imagem que o registro indica</translation>
    </message>
    <message>
        <source>a mod&apos;s name must be 1 to %1 bytes long</source>
        <translation>o nome de um mod deve ter de 1 a %1 bytes</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not</source>
        <translation>“%1” não tem</translation>
    </message>
    <message>
        <source>the mod is named &quot;%1&quot;, not &quot;%2&quot;</source>
        <translation>o mod se chama “%1”, não “%2”</translation>
    </message>
    <message>
        <source>it can&apos;t update that one</source>
        <translation>ele não pode atualizar aquele</translation>
    </message>
    <message>
        <source>a profile&apos;s name must be 1 to %1 bytes long</source>
        <translation>o nome de um perfil deve ter de 1 a %1 bytes</translation>
    </message>
    <message>
        <source>there is no profile named &quot;%1&quot;</source>
        <translation>não há perfil chamado “%1”</translation>
    </message>
    <message>
        <source>the game&apos;s original of %1 that lay below the mod &quot;%2&quot; is not kept any more (tessary-originals was changed)</source>
        <translation>o original do jogo de %1, que estava sob o mod “%2”, não é mais guardado (tessary-originals foi alterado)</translation>
    </message>
    <message>
        <source>Tessary can&apos;t give it back, so nothing was changed</source>
        <translation>o Tessary não pode devolvê-lo, então nada foi alterado</translation>
    </message>
    <message>
        <source>the mod &quot;%1&quot; is neither on nor off</source>
        <translation>o mod “%1” não está nem ativado nem desativado</translation>
    </message>
    <message>
        <source>&quot;profiles&quot; is not a list</source>
        <translation>“profiles” não é uma lista</translation>
    </message>
    <message>
        <source>two profiles have the name &quot;%1&quot;</source>
        <translation>dois perfis se chamam “%1”</translation>
    </message>
    <message>
        <source>the profile &quot;%1&quot; has no list of mods</source>
        <translation>o perfil “%1” não tem lista de mods</translation>
    </message>
    <message>
        <source>the profile &quot;%1&quot; names a mod that is not installed, or one twice</source>
        <translation>o perfil “%1” nomeia um mod que não está instalado, ou um duas vezes</translation>
    </message>
    <message numerus="yes">
        <source>the file has only %n bytes, a font header needs 14</source>
        <translation>
            <numerusform>o arquivo tem só %n byte, um cabeçalho de fonte precisa de 14</numerusform>
            <numerusform>o arquivo tem só %n bytes, um cabeçalho de fonte precisa de 14</numerusform>
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
            <numerusform>%1 … e mais %n</numerusform>
            <numerusform>%1 … e mais %n</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>another program changed the index to %1 images since Tessary loaded it (%2)</source>
        <translation>outro programa alterou o índice para %1 imagens desde que o Tessary o carregou (%2)</translation>
    </message>
    <message>
        <source>load the game folder again</source>
        <translation>carregue a pasta do jogo de novo</translation>
    </message>
    <message numerus="yes">
        <source>%n files matched no image: %1</source>
        <translation>
            <numerusform>%n arquivo não correspondia a nenhuma imagem: %1</numerusform>
            <numerusform>%n arquivos não correspondiam a nenhuma imagem: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files matched no font sheet: %1</source>
        <translation>
            <numerusform>%n arquivo não correspondia a nenhuma folha de fonte: %1</numerusform>
            <numerusform>%n arquivos não correspondiam a nenhuma folha de fonte: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files matched no image or font sheet: %1</source>
        <translation>
            <numerusform>%n arquivo não correspondia a nenhuma imagem nem folha de fonte: %1</numerusform>
            <numerusform>%n arquivos não correspondiam a nenhuma imagem nem folha de fonte: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>uma pasta</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>não é um arquivo comum</translation>
    </message>
    <message numerus="yes">
        <source>Imported %n pictures.</source>
        <translation>
            <numerusform>%n imagem importada.</numerusform>
            <numerusform>%n imagens importadas.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Imported %n pictures from %1.</source>
        <translation>
            <numerusform>%n imagem importada de %1.</numerusform>
            <numerusform>%n imagens importadas de %1.</numerusform>
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
            <numerusform>%n arquivo era igual à imagem que já estava lá: %1</numerusform>
            <numerusform>%n arquivos eram iguais à imagem que já estava lá: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files were refused:</source>
        <translation>
            <numerusform>%n arquivo foi recusado:</numerusform>
            <numerusform>%n arquivos foram recusados:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>… and %n more</source>
        <translation>
            <numerusform>… e mais %n</numerusform>
            <numerusform>… e mais %n</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message numerus="yes">
        <source>%n entries were skipped, as they are no files: %1</source>
        <translation>
            <numerusform>%n entrada foi ignorada, pois não é um arquivo: %1</numerusform>
            <numerusform>%n entradas foram ignoradas, pois não são arquivos: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the file has only %n bytes, a .tga header needs 18</source>
        <translation>
            <numerusform>o arquivo tem só %n byte, um cabeçalho .tga precisa de 18</numerusform>
            <numerusform>o arquivo tem só %n bytes, um cabeçalho .tga precisa de 18</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Tessary has finished it, so all %n files it was replacing now hold the changes.</source>
        <translation>
            <numerusform>o Tessary a concluiu, então o arquivo que ela substituía agora contém as alterações.</numerusform>
            <numerusform>o Tessary a concluiu, então todos os %n arquivos que ela substituía agora contêm as alterações.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Tessary has put the earlier files back, but %n files that did not exist before it keep the new content: %1.</source>
        <translation>
            <numerusform>o Tessary restaurou os arquivos anteriores, mas %n arquivo que não existia antes mantém o conteúdo novo: %1.</numerusform>
            <numerusform>o Tessary restaurou os arquivos anteriores, mas %n arquivos que não existiam antes mantêm o conteúdo novo: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n unfinished files</source>
        <translation>
            <numerusform>%n arquivo inacabado</numerusform>
            <numerusform>%n arquivos inacabados</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n originals</source>
        <translation>
            <numerusform>%n original</numerusform>
            <numerusform>%n originais</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>a checksum (CRC) of the PNG data does not match, so the file is damaged (%1)</source>
        <translation>uma soma de verificação (CRC) dos dados PNG não confere, então o arquivo está danificado (%1)</translation>
    </message>
    <message>
        <source>%1-bit true-colour .tga files can&apos;t be read</source>
        <translation>arquivos .tga true color de %1 bits não podem ser lidos</translation>
    </message>
    <message>
        <source>colour-mapped .tga files with %1-bit colour indices can&apos;t be read</source>
        <translation>arquivos .tga indexados com índices de cor de %1 bits não podem ser lidos</translation>
    </message>
    <message>
        <source>%1-bit grey-scale .tga files can&apos;t be read</source>
        <translation>arquivos .tga em tons de cinza de %1 bits não podem ser lidos</translation>
    </message>
    <message>
        <source>the mod &quot;%1&quot; lists image %2, but this game has images 1 to %3</source>
        <translation>o mod “%1” lista a imagem %2, mas este jogo só tem as imagens 1 a %3</translation>
    </message>
    <message>
        <source>the record of installed mods has no number left for another mod</source>
        <translation>o registro de mods instalados não tem mais número livre para outro mod</translation>
    </message>
    <message>
        <source>a picture&apos;s &quot;entry&quot; is not &quot;size&quot;</source>
        <translation>o &quot;entry&quot; de uma imagem não é &quot;size&quot;</translation>
    </message>
    <message>
        <source>%1 holds %2 bytes, but its entry says %3 x %4 pixels</source>
        <translation>%1 contém %2 bytes, mas a sua entrada indica %3 x %4 pixels</translation>
    </message>
    <message>
        <source>the index has no entry for image %1</source>
        <translation>o índice não tem entrada para a imagem %1</translation>
    </message>
    <message>
        <source>picture %1 names the mod it comes from without a name</source>
        <translation>a imagem %1 indica o mod de onde vem sem um nome</translation>
    </message>
    <message numerus="yes">
        <source>every picture that differs from the game&apos;s original is one an installed mod set (%n), and a package holds only your own changes unless you include the mods&apos; pictures</source>
        <translation>
            <numerusform>toda imagem que difere do original do jogo foi definida por um mod instalado (%n), e um pacote contém só as suas próprias alterações, a menos que você inclua as imagens dos mods</numerusform>
            <numerusform>toda imagem que difere do original do jogo foi definida por um mod instalado (%n), e um pacote contém só as suas próprias alterações, a menos que você inclua as imagens dos mods</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is %2 x %3 pixels, larger than the %4 x %5 Tessary takes from a mod</source>
        <translation>%1 tem %2 x %3 pixels, mais que os %4 x %5 que o Tessary aceita de um mod</translation>
    </message>
    <message>
        <source>%1 would bring the mod&apos;s decoded pictures past %2 MB, more than any menu mod holds</source>
        <translation>%1 faria as imagens decodificadas do mod passarem de %2 MB, mais do que qualquer mod de menus contém</translation>
    </message>
    <message>
        <source>a JPEG picture</source>
        <translation>uma imagem JPEG</translation>
    </message>
    <message>
        <source>a GIF picture</source>
        <translation>uma imagem GIF</translation>
    </message>
    <message>
        <source>a BMP picture</source>
        <translation>uma imagem BMP</translation>
    </message>
    <message>
        <source>a WebP picture</source>
        <translation>uma imagem WebP</translation>
    </message>
    <message>
        <source>is %1, not a PNG or TGA file, whatever its name says</source>
        <translation>é %1, não um arquivo PNG ou TGA, diga o nome o que disser</translation>
    </message>
    <message>
        <source>save it as .png or .tga</source>
        <translation>salve-a como .png ou .tga</translation>
    </message>
    <message>
        <source>there is not enough memory to expand the archive (%1)</source>
        <translation>não há memória suficiente para extrair o arquivo compactado (%1)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is encrypted, which Tessary can&apos;t read (%2)</source>
        <translation>“%1” está criptografado, e o Tessary não consegue lê-lo (%2)</translation>
    </message>
    <message>
        <source>the archive is encrypted, which Tessary can&apos;t read (%1)</source>
        <translation>o arquivo compactado está criptografado, e o Tessary não consegue lê-lo (%1)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; fails its CRC check, so the archive is damaged (%2)</source>
        <translation>“%1” falha na verificação CRC, então o arquivo compactado está danificado (%2)</translation>
    </message>
    <message>
        <source>the archive fails a CRC check, so it is damaged (%1)</source>
        <translation>o arquivo compactado falha numa verificação CRC, então está danificado (%1)</translation>
    </message>
    <message>
        <source>the archive is cut off at &quot;%1&quot;, as a download not finished is (%2)</source>
        <translation>o arquivo compactado termina em “%1”, como um download não concluído (%2)</translation>
    </message>
    <message>
        <source>the archive is cut off, as a download not finished is (%1)</source>
        <translation>o arquivo compactado está cortado, como um download não concluído (%1)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is compressed in a way Tessary can&apos;t expand (%2)</source>
        <translation>“%1” está compactado de um modo que o Tessary não consegue extrair (%2)</translation>
    </message>
    <message>
        <source>the archive is compressed in a way Tessary can&apos;t expand (%1)</source>
        <translation>o arquivo compactado está compactado de um modo que o Tessary não consegue extrair (%1)</translation>
    </message>
    <message>
        <source>the archive&apos;s compressed data is cut off or damaged (a download not finished?)</source>
        <translation>os dados compactados do arquivo estão cortados ou danificados (um download não concluído?)</translation>
    </message>
    <message>
        <source>the archive is cut off: it ends without the end a tar archive has (a download not finished?)</source>
        <translation>o arquivo compactado está cortado: termina sem o final que um arquivo tar tem (um download não concluído?)</translation>
    </message>
    <message>
        <source>the archive is cut off or damaged: %1 (a download not finished?)</source>
        <translation>o arquivo compactado está cortado ou danificado: %1 (um download não concluído?)</translation>
    </message>
    <message>
        <source>the entry &quot;%1&quot; has a name that holds a NUL character, which no file name holds</source>
        <translation>a entrada “%1” tem um nome com um caractere NUL, que nenhum nome de arquivo contém</translation>
    </message>
    <message>
        <source>it lacks the central directory at its end, the list of its files</source>
        <translation>falta o diretório central no final, a lista dos seus arquivos</translation>
    </message>
    <message>
        <source>its zip64 end record is missing</source>
        <translation>falta o seu registro final zip64</translation>
    </message>
    <message>
        <source>its central directory lies outside it</source>
        <translation>o seu diretório central fica fora dele</translation>
    </message>
    <message>
        <source>its central directory is incomplete</source>
        <translation>o seu diretório central está incompleto</translation>
    </message>
    <message>
        <source>an entry the central directory lists is missing</source>
        <translation>falta uma entrada listada no diretório central</translation>
    </message>
    <message numerus="yes">
        <source>its central directory lists %1 of the %n entries it says it holds</source>
        <translation>
            <numerusform>o seu diretório central lista %1 da %n entrada que diz conter</numerusform>
            <numerusform>o seu diretório central lista %1 das %n entradas que diz conter</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ExternalEditor</name>
    <message>
        <source>No program opens .png files on this system; choose one with &quot;Choose image editor…&quot;.</source>
        <translation>Nenhum programa abre arquivos .png neste sistema; escolha um com “Escolher editor de imagens…”.</translation>
    </message>
    <message>
        <source>%1 can&apos;t be started.</source>
        <translation>%1 não pode ser iniciado.</translation>
    </message>
    <message>
        <source>a temporary folder can&apos;t be made there</source>
        <translation>não é possível criar uma pasta temporária ali</translation>
    </message>
</context>
<context>
    <name>GameFolder</name>
    <message>
        <source>the value could not be recorded</source>
        <translation>não foi possível gravar o valor</translation>
    </message>
    <message>
        <source>Please choose your GP4 folder</source>
        <translation>Escolha a sua pasta do GP4</translation>
    </message>
    <message>
        <source>Sorry but this is not a valid GP4.exe file. Image folder can&apos;t be found</source>
        <translation>Desculpe, este não é um arquivo GP4.exe válido. A pasta de imagens não foi encontrada</translation>
    </message>
    <message>
        <source>The game folder is recorded in Tessary&apos;s settings (%1), as %2 can&apos;t be changed (%3).</source>
        <translation>A pasta do jogo foi gravada nas configurações do Tessary (%1), pois %2 não pode ser alterado (%3).</translation>
    </message>
    <message>
        <source>%1: the game folder can&apos;t be recorded (%2)</source>
        <translation>%1: a pasta do jogo não pode ser gravada (%2)</translation>
    </message>
    <message>
        <source>; %1: neither (%2)</source>
        <translation>; %1: também não (%2)</translation>
    </message>
</context>
<context>
    <name>ModViews</name>
    <message>
        <source>a Tessary mod package</source>
        <translation>um pacote de mod do Tessary</translation>
    </message>
    <message>
        <source>laid out as the game folder</source>
        <translation>organizado como a pasta do jogo</translation>
    </message>
    <message>
        <source>a set of pictures</source>
        <translation>um conjunto de imagens</translation>
    </message>
    <message>
        <source>By %1, </source>
        <translation>Por %1, </translation>
    </message>
    <message>
        <source>, from %1.</source>
        <translation>, de %1.</translation>
    </message>
    <message>
        <source>the same as the picture there now</source>
        <translation>igual à imagem atual</translation>
    </message>
    <message>
        <source>replaces your change not yet applied
(uninstalling the mod gives it back)</source>
        <translation>substitui sua alteração ainda não aplicada
(volta ao desinstalar o mod)</translation>
    </message>
    <message>
        <source>replaces your own picture
(uninstalling the mod gives it back)</source>
        <translation>substitui sua própria imagem
(volta ao desinstalar o mod)</translation>
    </message>
    <message>
        <source>covers the picture of the mod &quot;%1&quot;</source>
        <translation>cobre a imagem do mod “%1”</translation>
    </message>
    <message>
        <source>an edit</source>
        <translation>uma edição</translation>
    </message>
    <message>
        <source>%1 (by %2)</source>
        <translation>%1 (por %2)</translation>
    </message>
    <message>
        <source>%1 (&quot;%2&quot; shows)</source>
        <translation>%1 (aparece “%2”)</translation>
    </message>
    <message>
        <source>%1 (none of the mods shows)</source>
        <translation>%1 (nenhum dos mods aparece)</translation>
    </message>
    <message>
        <source>%1 (an edit shows)</source>
        <translation>%1 (aparece uma edição)</translation>
    </message>
</context>
<context>
    <name>PictureTip</name>
    <message>
        <source>Changed in Tessary, not yet applied</source>
        <translation>Alterada no Tessary, ainda não aplicada</translation>
    </message>
    <message>
        <source>As the game folder holds it</source>
        <translation>Como na pasta do jogo</translation>
    </message>
    <message>
        <source>Differs from the game&apos;s original</source>
        <translation>Diferente do original do jogo</translation>
    </message>
    <message>
        <source>The game&apos;s original</source>
        <translation>O original do jogo</translation>
    </message>
    <message>
        <source>Can&apos;t be compared with the game&apos;s original: %1</source>
        <translation>Não pode ser comparada com o original do jogo: %1</translation>
    </message>
    <message>
        <source>Image %1 (%1.gpi)</source>
        <translation>Imagem %1 (%1.gpi)</translation>
    </message>
    <message>
        <source>%1 × %2 pixels, %3 bytes</source>
        <translation>%1 × %2 pixels, %3 bytes</translation>
    </message>
    <message>
        <source>Font sheet %1 (%2)</source>
        <translation>Folha de fonte %1 (%2)</translation>
    </message>
    <message>
        <source>256 × 256 pixels, %1 bytes</source>
        <translation>256 × 256 pixels, %1 bytes</translation>
    </message>
</context>
<context>
    <name>ProgramTexts</name>
    <message>
        <source>Pictures (*.tga *.png)</source>
        <translation>Imagens (*.tga *.png)</translation>
    </message>
    <message>
        <source>Please choose a folder where all .tga files will be saved.</source>
        <translation>Escolha a pasta onde todos os arquivos .tga serão salvos.</translation>
    </message>
    <message>
        <source>Please choose the folder that holds the pictures to load.</source>
        <translation>Escolha a pasta que contém as imagens a carregar.</translation>
    </message>
    <message>
        <source>Load all images from a folder…</source>
        <translation>Carregar todas as imagens de uma pasta…</translation>
    </message>
    <message>
        <source>Load all font sheets from a folder…</source>
        <translation>Carregar todas as folhas de fonte de uma pasta…</translation>
    </message>
    <message>
        <source>Revert to the game folder&apos;s file</source>
        <translation>Voltar ao arquivo da pasta do jogo</translation>
    </message>
    <message>
        <source>Restore the game&apos;s original</source>
        <translation>Restaurar o original do jogo</translation>
    </message>
    <message>
        <source>Edit in image editor…</source>
        <translation>Editar no editor de imagens…</translation>
    </message>
    <message>
        <source>Choose image editor…</source>
        <translation>Escolher editor de imagens…</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Desfazer</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Refazer</translation>
    </message>
    <message>
        <source>Save changes as a mod package…</source>
        <translation>Salvar alterações como pacote de mod…</translation>
    </message>
    <message>
        <source>Install mod…</source>
        <translation>Instalar mod…</translation>
    </message>
    <message>
        <source>Tessary mod package (*.zip)</source>
        <translation>Pacote de mod do Tessary (*.zip)</translation>
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
        <translation>Carregar uma imagem (.tga, .png)</translation>
    </message>
    <message>
        <source>Save the picture (.tga, .png)</source>
        <translation>Salvar a imagem (.tga, .png)</translation>
    </message>
    <message>
        <source>Mods…</source>
        <translation>Mods…</translation>
    </message>
    <message>
        <source>Install a mod from a folder</source>
        <translation>Instalar um mod de uma pasta</translation>
    </message>
</context>
<context>
    <name>QtDialogs</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Programs (*.exe);;All files (*)</source>
        <translation>Programas (*.exe);;Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>Choose the image editor</source>
        <translation>Escolher o editor de imagens</translation>
    </message>
    <message>
        <source>Save the images in %1 as .tga or as .png files?</source>
        <translation>Salvar as imagens em %1 como arquivos .tga ou .png?</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>access denied</source>
        <translation>acesso negado</translation>
    </message>
    <message>
        <source>the file is not a valid settings file</source>
        <translation>o arquivo não é um arquivo de configurações válido</translation>
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
        <translation>Canais RGB</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Not enough memory to finish the command.</source>
        <translation>Memória insuficiente para concluir o comando.</translation>
    </message>
    <message>
        <source>Tessary closes when this work ends…</source>
        <translation>O Tessary fechará quando este trabalho terminar…</translation>
    </message>
    <message>
        <source>closing Tessary</source>
        <translation>fechar o Tessary</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Desfazer: %1</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Refazer: %1</translation>
    </message>
    <message>
        <source>The %1 can&apos;t be undone: it is larger than the undo history holds</source>
        <translation>%1 não pode ser desfeito: é maior do que o histórico comporta</translation>
    </message>
    <message>
        <source>revert of %1</source>
        <translation>reversão de %1</translation>
    </message>
    <message>
        <source>restore of the original of %1</source>
        <translation>restauração do original de %1</translation>
    </message>
    <message>
        <source>Undone: %1</source>
        <translation>Desfeito: %1</translation>
    </message>
    <message>
        <source>Redone: %1</source>
        <translation>Refeito: %1</translation>
    </message>
    <message>
        <source>The image index has changes</source>
        <translation>O índice de imagens tem alterações</translation>
    </message>
    <message>
        <source>These pictures have changes</source>
        <translation>Estas imagens têm alterações</translation>
    </message>
    <message>
        <source>%1 not yet applied to the game folder.

Apply them before %2?</source>
        <translation>%1 ainda não aplicadas à pasta do jogo.

Aplicá-las antes de %2?</translation>
    </message>
    <message>
        <source>the system&apos;s program for .png files</source>
        <translation>o programa do sistema para arquivos .png</translation>
    </message>
    <message>
        <source>&quot;Edit in image editor…&quot; opens pictures in %1.

Open them in:</source>
        <translation>“Editar no editor de imagens…” abre as imagens em %1.

Abri-las em:</translation>
    </message>
    <message>
        <source>The system&apos;s program</source>
        <translation>O programa do sistema</translation>
    </message>
    <message>
        <source>A program of my choice…</source>
        <translation>Um programa da minha escolha…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>edit of %1 in the image editor</source>
        <translation>edição de %1 no editor de imagens</translation>
    </message>
    <message>
        <source>%1 read back from the image editor</source>
        <translation>%1 lido de volta do editor de imagens</translation>
    </message>
    <message>
        <source>import</source>
        <translation>importação</translation>
    </message>
    <message>
        <source>No picture imported</source>
        <translation>Nenhuma imagem importada</translation>
    </message>
    <message>
        <source>Apply All Changes</source>
        <translation>Aplicar tudo</translation>
    </message>
    <message>
        <source>Change GP4 Path</source>
        <translation>Pasta do GP4…</translation>
    </message>
    <message>
        <source>Save all images to .tga</source>
        <translation>Salvar tudo em .tga</translation>
    </message>
    <message>
        <source>Image Size :</source>
        <translation>Tamanho:</translation>
    </message>
    <message>
        <source>Thumbnail Size:</source>
        <translation>Miniaturas:</translation>
    </message>
    <message>
        <source>Images Workshop</source>
        <translation>Imagens</translation>
    </message>
    <message>
        <source>Fonts Workshop</source>
        <translation>Fontes</translation>
    </message>
    <message>
        <source>Load image from a .tga file</source>
        <translation>Carregar imagem de um arquivo .tga</translation>
    </message>
    <message>
        <source>Save image to a .tga file</source>
        <translation>Salvar imagem em um arquivo .tga</translation>
    </message>
    <message>
        <source>My menu mod</source>
        <translation>Meu mod de menu</translation>
    </message>
    <message>
        <source>installation of %1</source>
        <translation>instalação de %1</translation>
    </message>
    <message>
        <source>uninstalling of %1</source>
        <translation>desinstalação de %1</translation>
    </message>
    <message>
        <source>The mod &quot;%1&quot; is uninstalled as changes to apply; &quot;Apply All Changes&quot; writes them into the game folder.</source>
        <translation>O mod “%1” foi desinstalado, mas ainda não aplicado; “Aplicar tudo” leva isso para a pasta do jogo.</translation>
    </message>
    <message>
        <source>changing the game folder</source>
        <translation>trocar a pasta do jogo</translation>
    </message>
    <message>
        <source>Another program changed these files since Tessary loaded them:
%1

Replace them with your changes?</source>
        <translation>Outro programa alterou estes arquivos desde que o Tessary os carregou:
%1

Substituí-los pelas suas alterações?</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Substituir</translation>
    </message>
    <message>
        <source>Nothing to write: no picture has changed</source>
        <translation>Nada a gravar: nenhuma imagem foi alterada</translation>
    </message>
    <message>
        <source>Another program changed these files since Tessary loaded them; they were left as they are:
%1</source>
        <translation>Outro programa alterou estes arquivos desde que o Tessary os carregou; eles foram deixados como estão:
%1</translation>
    </message>
    <message>
        <source>%1: the settings can&apos;t be written</source>
        <translation>%1: as configurações não podem ser gravadas</translation>
    </message>
    <message>
        <source>import of %1</source>
        <translation>importação de %1</translation>
    </message>
    <message>
        <source>the record of installed mods</source>
        <translation>o registro de mods instalados</translation>
    </message>
    <message>
        <source>the mods can&apos;t be installed or uninstalled: %1</source>
        <translation>os mods não podem ser instalados nem desinstalados: %1</translation>
    </message>
    <message>
        <source>Saves every image into a folder, as .tga or .png files</source>
        <translation>Salva todas as imagens numa pasta, como arquivos .tga ou .png</translation>
    </message>
    <message>
        <source>Takes a .tga or .png file in place of the picture</source>
        <translation>Substitui a imagem por um arquivo .tga ou .png</translation>
    </message>
    <message>
        <source>Saves the picture as a .tga or .png file</source>
        <translation>Salva a imagem como arquivo .tga ou .png</translation>
    </message>
    <message>
        <source>The image editor&apos;s save of %1 was not taken: %2</source>
        <translation>O que o editor de imagens salvou de %1 não foi aceito: %2</translation>
    </message>
    <message numerus="yes">
        <source>import of %n pictures</source>
        <translation>
            <numerusform>importação de %n imagem</numerusform>
            <numerusform>importação de %n imagens</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n pictures imported</source>
        <translation>
            <numerusform>%n imagem importada</numerusform>
            <numerusform>%n imagens importadas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n images and %1 font sheets loaded</source>
        <translation>
            <numerusform>%n imagem e %1 folhas de fonte carregadas</numerusform>
            <numerusform>%n imagens e %1 folhas de fonte carregadas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files written to the game folder</source>
        <translation>
            <numerusform>%n arquivo gravado na pasta do jogo</numerusform>
            <numerusform>%n arquivos gravados na pasta do jogo</numerusform>
        </translation>
    </message>
    <message>
        <source>Game folder: %1</source>
        <translation>Pasta do jogo: %1</translation>
    </message>
    <message>
        <source>%1
Click to open it in the file manager.</source>
        <translation>%1
Clique para abri-la no gerenciador de arquivos.</translation>
    </message>
    <message>
        <source>The file manager could not be started to show %1.</source>
        <translation>Não foi possível iniciar o gerenciador de arquivos para mostrar %1.</translation>
    </message>
    <message>
        <source>%1 (&quot;%2&quot;)</source>
        <translation>%1 (“%2”)</translation>
    </message>
    <message>
        <source>
Left out, as installed mods set them: %1</source>
        <translation>
Deixadas de fora, pois mods instalados as definem: %1</translation>
    </message>
    <message numerus="yes">
        <source>Saved %n pictures as the mod package %1:
%2</source>
        <translation>
            <numerusform>%n imagem salva como o pacote de mod %1:
%2</numerusform>
            <numerusform>%n imagens salvas como o pacote de mod %1:
%2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>
%n pictures go back to what lies below: %1</source>
        <translation>
            <numerusform>
%n imagem volta ao que está por baixo: %1</numerusform>
            <numerusform>
%n imagens voltam ao que está por baixo: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>
%n pictures stay as they are, covered since: %1</source>
        <translation>
            <numerusform>
%n imagem fica como está, coberta desde então: %1</numerusform>
            <numerusform>
%n imagens ficam como estão, cobertas desde então: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n images saved</source>
        <translation>
            <numerusform>%n imagem salva</numerusform>
            <numerusform>%n imagens salvas</numerusform>
        </translation>
    </message>
    <message>
        <source>switching on of %1</source>
        <translation>ativação de %1</translation>
    </message>
    <message>
        <source>switching off of %1</source>
        <translation>desativação de %1</translation>
    </message>
    <message>
        <source>moving of %1</source>
        <translation>movimentação de %1</translation>
    </message>
    <message>
        <source>saving of the profile %1</source>
        <translation>gravação do perfil %1</translation>
    </message>
    <message>
        <source>switching to the profile %1</source>
        <translation>troca para o perfil %1</translation>
    </message>
</context>
<context>
    <name>TFormInstallPreview</name>
    <message>
        <source>. Installing makes these changes in Tessary; &quot;Apply All Changes&quot; writes them into the game folder.</source>
        <translation>. Instalar faz estas alterações no Tessary; “Aplicar tudo” as grava na pasta do jogo.</translation>
    </message>
    <message>
        <source>Install the mod &quot;%1&quot;?</source>
        <translation>Instalar o mod “%1”?</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Instalar</translation>
    </message>
    <message numerus="yes">
        <source>%n pictures change</source>
        <translation>
            <numerusform>%n imagem muda</numerusform>
            <numerusform>%n imagens mudam</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; %n are the same already</source>
        <translation>
            <numerusform>; %n já é igual</numerusform>
            <numerusform>; %n já são iguais</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TFormInstalledMods</name>
    <message>
        <source>No mod is installed in this game folder.</source>
        <translation>Nenhum mod está instalado nesta pasta do jogo.</translation>
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
        <translation>Imagens</translation>
    </message>
    <message>
        <source>Covered</source>
        <translation>Cobertas</translation>
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
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Installed %1 from %2.</source>
        <translation>Instalado em %1, a partir de %2.</translation>
    </message>
    <message>
        <source>None of its pictures is covered by a later mod or an edit.</source>
        <translation>Nenhuma de suas imagens está coberta por um mod posterior ou uma edição.</translation>
    </message>
    <message>
        <source>Covered since: %1. Uninstalling leaves these as they are.</source>
        <translation>Cobertas desde então: %1. Desinstalar as deixa como estão.</translation>
    </message>
    <message>
        <source>The mods of this game folder: where two set a picture, the lower one in the list shows.</source>
        <translation>Os mods desta pasta do jogo: quando dois definem a mesma imagem, aparece a do que está mais abaixo na lista.</translation>
    </message>
    <message>
        <source>Changes not yet applied: &quot;Apply All Changes&quot; writes them into the game folder.</source>
        <translation>Alterações ainda não aplicadas: “Aplicar tudo” as grava na pasta do jogo.</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Mover para cima</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Mover para baixo</translation>
    </message>
    <message>
        <source>Switched off: its pictures don&apos;t show; switch it on to show them again.</source>
        <translation>Desativado: suas imagens não aparecem; ative-o para mostrá-las de novo.</translation>
    </message>
    <message>
        <source>Set by other mods too: %1</source>
        <translation>Definidas também por outros mods: %1</translation>
    </message>
    <message>
        <source>Install…</source>
        <translation>Instalar…</translation>
    </message>
    <message>
        <source>From an archive…</source>
        <translation>De um arquivo compactado…</translation>
    </message>
    <message>
        <source>From a folder…</source>
        <translation>De uma pasta…</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>to apply</source>
        <translation>a aplicar</translation>
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
        <translation>(nenhum em uso)</translation>
    </message>
    <message>
        <source>Save as profile…</source>
        <translation>Salvar como perfil…</translation>
    </message>
    <message>
        <source>Keep the mods on now, in their order, as the profile:</source>
        <translation>Salvar os mods ativos agora, na sua ordem, como o perfil:</translation>
    </message>
</context>
<context>
    <name>TFormModPackage</name>
    <message>
        <source>Name:</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <source>Author:</source>
        <translation>Autor:</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Descrição:</translation>
    </message>
    <message>
        <source>Save…</source>
        <translation>Salvar…</translation>
    </message>
    <message>
        <source>Every picture of your own that differs from the game&apos;s original goes into the package, with your changes not yet applied.</source>
        <translation>Cada imagem sua diferente do original do jogo entra no pacote, inclusive suas alterações ainda não aplicadas.</translation>
    </message>
    <message>
        <source>Pictures that installed mods set are their authors&apos; work: without this they stay out of the package; with it, the manifest names each one&apos;s mod and author.</source>
        <translation>Imagens definidas por mods instalados são obra de seus autores: sem isto, ficam fora do pacote; com isto, o manifesto nomeia o mod e o autor de cada uma.</translation>
    </message>
    <message numerus="yes">
        <source>Include %n pictures of installed mods, crediting their mods</source>
        <translation>
            <numerusform>Incluir %n imagem de um mod instalado, citando seu mod</numerusform>
            <numerusform>Incluir %n imagens de mods instalados, citando seus mods</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TFormPreview</name>
    <message>
        <source>Tessary&apos;s picture</source>
        <translation>Imagem do Tessary</translation>
    </message>
    <message>
        <source>Game folder&apos;s file</source>
        <translation>Arquivo da pasta do jogo</translation>
    </message>
    <message>
        <source>Game&apos;s original</source>
        <translation>Original do jogo</translation>
    </message>
    <message>
        <source>Game folder</source>
        <translation>Pasta do jogo</translation>
    </message>
    <message>
        <source>Show the game folder&apos;s file (hold Space)</source>
        <translation>Mostrar o arquivo da pasta do jogo (segure Espaço)</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>Original</translation>
    </message>
    <message>
        <source>Show the game&apos;s original (hold Shift + Space)</source>
        <translation>Mostrar o original do jogo (segure Shift + Espaço)</translation>
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
        <translation>sem dados de pixels</translation>
    </message>
</context>
</TS>
