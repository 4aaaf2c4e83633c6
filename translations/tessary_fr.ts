<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>CoreMessages</name>
    <message>
        <source>file not found</source>
        <translation>fichier introuvable</translation>
    </message>
    <message>
        <source>folder not found</source>
        <translation>dossier introuvable</translation>
    </message>
    <message>
        <source>access denied</source>
        <translation>accès refusé</translation>
    </message>
    <message>
        <source>reading beyond the end of the file</source>
        <translation>lecture au-delà de la fin du fichier</translation>
    </message>
    <message>
        <source>disk full</source>
        <translation>disque plein</translation>
    </message>
    <message>
        <source>the file system is read-only</source>
        <translation>le système de fichiers est en lecture seule</translation>
    </message>
    <message>
        <source>is a folder, not a file</source>
        <translation>est un dossier, pas un fichier</translation>
    </message>
    <message>
        <source>is a file, not a folder</source>
        <translation>est un fichier, pas un dossier</translation>
    </message>
    <message>
        <source>is not a folder</source>
        <translation>n&apos;est pas un dossier</translation>
    </message>
    <message>
        <source>is not a regular file (a pipe or a device)</source>
        <translation>n&apos;est pas un fichier ordinaire (un tube ou un périphérique)</translation>
    </message>
    <message>
        <source>is a symbolic link, which Tessary does not follow</source>
        <translation>est un lien symbolique, que Tessary ne suit pas</translation>
    </message>
    <message>
        <source>the path is too long</source>
        <translation>le chemin est trop long</translation>
    </message>
    <message>
        <source>the file is in use by another program</source>
        <translation>le fichier est utilisé par un autre programme</translation>
    </message>
    <message>
        <source>nothing was changed</source>
        <translation>rien n&apos;a été modifié</translation>
    </message>
    <message>
        <source>nothing was written</source>
        <translation>rien n&apos;a été écrit</translation>
    </message>
    <message>
        <source>error code %1 (%2)</source>
        <translation>code d&apos;erreur %1 (%2)</translation>
    </message>
    <message>
        <source>another program changed this file since Tessary loaded them: %1</source>
        <translation>un autre programme a modifié ce fichier depuis que Tessary l&apos;a chargé : %1</translation>
    </message>
    <message>
        <source>another program changed these files since Tessary loaded them: %1</source>
        <translation>un autre programme a modifié ces fichiers depuis que Tessary les a chargés : %1</translation>
    </message>
    <message>
        <source>another program changed the record of installed mods since Tessary read it</source>
        <translation>un autre programme a modifié la liste des mods installés depuis que Tessary l&apos;a lue</translation>
    </message>
    <message>
        <source>another program is writing this game folder</source>
        <translation>un autre programme écrit dans ce dossier du jeu</translation>
    </message>
    <message>
        <source>another program is reading this game folder</source>
        <translation>un autre programme lit ce dossier du jeu</translation>
    </message>
    <message>
        <source>try again when it has finished</source>
        <translation>réessayez quand il aura terminé</translation>
    </message>
    <message>
        <source>try again in a moment</source>
        <translation>réessayez dans un instant</translation>
    </message>
    <message>
        <source>the files already replaced were put back, so nothing was changed</source>
        <translation>les fichiers déjà remplacés ont été remis en place, rien n&apos;a donc été modifié</translation>
    </message>
    <message>
        <source>the game folder is not loaded completely</source>
        <translation>le dossier du jeu n&apos;est pas entièrement chargé</translation>
    </message>
    <message>
        <source>holds fewer pixels than its byte count</source>
        <translation>contient moins de pixels que son nombre d&apos;octets ne l&apos;indique</translation>
    </message>
    <message>
        <source>this program reads no .png files</source>
        <translation>ce programme ne lit pas les fichiers .png</translation>
    </message>
    <message>
        <source>there is no menu image number %1</source>
        <translation>il n&apos;y a pas d&apos;image de menu numéro %1</translation>
    </message>
    <message>
        <source>there is no font number %1</source>
        <translation>il n&apos;y a pas de police numéro %1</translation>
    </message>
    <message>
        <source>save the picture with 24 or 32 bits per pixel</source>
        <translation>enregistrez l&apos;image en 24 ou 32 bits par pixel</translation>
    </message>
    <message>
        <source>Sorry but Tessary can&apos;t read RLE encoded .tga files.</source>
        <translation>Désolé, Tessary ne sait pas lire les fichiers .tga compressés en RLE.</translation>
    </message>
    <message>
        <source>reading beyond the end of the file (%1)</source>
        <translation>lecture au-delà de la fin du fichier (%1)</translation>
    </message>
    <message>
        <source>is a link, which Tessary does not follow</source>
        <translation>est un lien, que Tessary ne suit pas</translation>
    </message>
    <message>
        <source>is not a plain file</source>
        <translation>n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>%1 is not a plain file</source>
        <translation>%1 n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>holds %1 bytes, more than such a file ever holds</source>
        <translation>contient %1 octets, plus qu&apos;un tel fichier n&apos;en contient jamais</translation>
    </message>
    <message>
        <source>error code %1</source>
        <translation>code d&apos;erreur %1</translation>
    </message>
    <message>
        <source>the image count %1 is negative</source>
        <translation>le nombre d&apos;images %1 est négatif</translation>
    </message>
    <message>
        <source>the index lists %1 image slots but holds only %2 bytes</source>
        <translation>l&apos;index annonce %1 emplacements d&apos;image mais ne contient que %2 octets</translation>
    </message>
    <message>
        <source>entry %1 runs past the end of the file</source>
        <translation>l&apos;entrée %1 dépasse la fin du fichier</translation>
    </message>
    <message>
        <source>the font table count %1 is negative</source>
        <translation>le nombre d&apos;entrées %1 de la table de police est négatif</translation>
    </message>
    <message>
        <source>a table of %1 entries and a sheet need %2 bytes, the file has %3</source>
        <translation>une table de %1 entrées et une planche demandent %2 octets, le fichier en a %3</translation>
    </message>
    <message>
        <source>the image file holds %1 bytes, more than an image can hold</source>
        <translation>le fichier d&apos;image contient %1 octets, plus qu&apos;une image ne peut en contenir</translation>
    </message>
    <message>
        <source>holds no menu image number %1</source>
        <translation>ne contient pas d&apos;image de menu numéro %1</translation>
    </message>
    <message>
        <source>the game&apos;s original index has no entry for image %1</source>
        <translation>l&apos;index original du jeu n&apos;a pas d&apos;entrée pour l&apos;image %1</translation>
    </message>
    <message>
        <source>the kept original holds %1 bytes, but the game&apos;s index gives image %2 %3 × %4 pixels (%5 bytes)</source>
        <translation>l&apos;original conservé contient %1 octets, mais l&apos;index du jeu donne à l&apos;image %2 %3 × %4 pixels (%5 octets)</translation>
    </message>
    <message>
        <source>Tessary does not restore it</source>
        <translation>Tessary ne le rétablit pas</translation>
    </message>
    <message>
        <source>is not a file of the record of installed mods</source>
        <translation>n&apos;est pas un fichier de la liste des mods installés</translation>
    </message>
    <message>
        <source>Tessary replaces only plain game files</source>
        <translation>Tessary ne remplace que des fichiers du jeu ordinaires</translation>
    </message>
    <message>
        <source>Tessary keeps the game&apos;s original files there</source>
        <translation>Tessary y conserve les fichiers originaux du jeu</translation>
    </message>
    <message>
        <source>Tessary keeps the game&apos;s original of %1 there</source>
        <translation>Tessary y conserve l&apos;original de %1</translation>
    </message>
    <message>
        <source>lies on another drive than the game files, so Tessary can&apos;t keep the game&apos;s original files there</source>
        <translation>se trouve sur un autre disque que les fichiers du jeu, Tessary ne peut donc pas y conserver les fichiers originaux du jeu</translation>
    </message>
    <message>
        <source>putting the earlier files back failed too (%1)</source>
        <translation>la remise en place des fichiers précédents a échoué elle aussi (%1)</translation>
    </message>
    <message>
        <source>Tessary finishes the write-back the next time it opens this game folder</source>
        <translation>Tessary terminera l&apos;écriture la prochaine fois qu&apos;il ouvrira ce dossier du jeu</translation>
    </message>
    <message>
        <source>The game&apos;s original of %1 could not be kept in tessary-originals (%2)</source>
        <translation>L&apos;original de %1 n&apos;a pas pu être conservé dans tessary-originals (%2)</translation>
    </message>
    <message>
        <source>it stays beside it as %1, and Tessary tries again the next time it opens this game folder.</source>
        <translation>il reste à côté sous le nom %1, et Tessary réessaiera la prochaine fois qu&apos;il ouvrira ce dossier du jeu.</translation>
    </message>
    <message>
        <source>the record of an interrupted write-back is damaged (%1)</source>
        <translation>le journal d&apos;une écriture interrompue est endommagé (%1)</translation>
    </message>
    <message>
        <source>Tessary leaves the folder as it is. Move this file away to use the folder again</source>
        <translation>Tessary laisse le dossier tel quel. Déplacez ce fichier ailleurs pour utiliser à nouveau le dossier</translation>
    </message>
    <message>
        <source>it holds %1 bytes, far more than any record Tessary writes</source>
        <translation>il contient %1 octets, bien plus que tout journal écrit par Tessary</translation>
    </message>
    <message>
        <source>it does not begin as Tessary writes it</source>
        <translation>le début ne correspond pas à ce qu&apos;écrit Tessary</translation>
    </message>
    <message>
        <source>its end does not match its entries</source>
        <translation>sa fin ne correspond pas à ses entrées</translation>
    </message>
    <message>
        <source>line %1 is not an entry</source>
        <translation>la ligne %1 n&apos;est pas une entrée</translation>
    </message>
    <message>
        <source>it names %1, which is not a game file</source>
        <translation>il cite %1, qui n&apos;est pas un fichier du jeu</translation>
    </message>
    <message>
        <source>it names %1 twice</source>
        <translation>il cite %1 deux fois</translation>
    </message>
    <message>
        <source>it names files that Tessary does not write beside %1</source>
        <translation>il cite des fichiers que Tessary n&apos;écrit pas à côté de %1</translation>
    </message>
    <message>
        <source>it ends before its last line</source>
        <translation>il s&apos;arrête avant sa dernière ligne</translation>
    </message>
    <message>
        <source>it does not match the files on disk: %1</source>
        <translation>il ne correspond pas aux fichiers sur le disque : %1</translation>
    </message>
    <message>
        <source>%1 exists, though the record says it did not before the write-back</source>
        <translation>%1 existe, alors que le journal dit qu&apos;il n&apos;existait pas avant l&apos;écriture</translation>
    </message>
    <message>
        <source>%1 and its new file are both missing</source>
        <translation>%1 et son nouveau fichier manquent tous les deux</translation>
    </message>
    <message>
        <source>%1, its original and its new file are all there at once</source>
        <translation>%1, son original et son nouveau fichier sont tous là à la fois</translation>
    </message>
    <message>
        <source>%1 and the original the record moved aside are both missing</source>
        <translation>%1 et l&apos;original que le journal a mis de côté manquent tous les deux</translation>
    </message>
    <message>
        <source>a write-back to this game folder was cut short, and Tessary can&apos;t finish or undo it</source>
        <translation>une écriture dans ce dossier du jeu a été interrompue, et Tessary ne peut ni la terminer ni l&apos;annuler</translation>
    </message>
    <message>
        <source>A write-back to %1 was cut short</source>
        <translation>Une écriture dans %1 a été interrompue</translation>
    </message>
    <message>
        <source>Tessary has put the earlier files back, so the folder is as it was before it.</source>
        <translation>Tessary a remis en place les fichiers précédents, le dossier est donc tel qu&apos;il était avant.</translation>
    </message>
    <message>
        <source>Tessary removed %1 that an earlier write-back to %2 left behind</source>
        <translation>De ce qu&apos;une écriture précédente dans %2 avait laissé, Tessary a supprimé %1</translation>
    </message>
    <message>
        <source>Tessary kept %1 in tessary-originals that an earlier write-back to %2 left behind</source>
        <translation>De ce qu&apos;une écriture précédente dans %2 avait laissé, Tessary a conservé %1 dans tessary-originals</translation>
    </message>
    <message>
        <source>Tessary removed %1 and kept %2 in tessary-originals that an earlier write-back to %3 left behind</source>
        <translation>De ce qu&apos;une écriture précédente dans %3 avait laissé, Tessary a supprimé %1 et conservé %2 dans tessary-originals</translation>
    </message>
    <message>
        <source>the game files were not touched.</source>
        <translation>les fichiers du jeu n&apos;ont pas été touchés.</translation>
    </message>
    <message>
        <source>colour map type %1 is not one the .tga format defines</source>
        <translation>le type de palette %1 n&apos;est pas défini par le format .tga</translation>
    </message>
    <message>
        <source>this is not a .tga file Tessary can read</source>
        <translation>ce n&apos;est pas un fichier .tga que Tessary sait lire</translation>
    </message>
    <message>
        <source>the file holds no picture (image type 0)</source>
        <translation>le fichier ne contient aucune image (type d&apos;image 0)</translation>
    </message>
    <message>
        <source>the file is colour-mapped (image type 1) but holds no colour map</source>
        <translation>le fichier est en couleurs indexées (type d&apos;image 1) mais ne contient pas de palette</translation>
    </message>
    <message>
        <source>only 8-bit indices can</source>
        <translation>seulement ceux à indices 8 bits</translation>
    </message>
    <message>
        <source>colour maps with %1-bit entries can&apos;t be read</source>
        <translation>les palettes à entrées de %1 bits ne peuvent pas être lues</translation>
    </message>
    <message>
        <source>save the picture with a 24- or 32-bit colour map, or as 24- or 32-bit true-colour</source>
        <translation>enregistrez l&apos;image avec une palette 24 ou 32 bits, ou en couleurs vraies 24 ou 32 bits</translation>
    </message>
    <message>
        <source>only 8-bit grey-scale can</source>
        <translation>seulement ceux en niveaux de gris 8 bits</translation>
    </message>
    <message>
        <source>image type %1 is not an uncompressed true-colour, colour-mapped or grey-scale .tga file</source>
        <translation>le type d&apos;image %1 n&apos;est pas un fichier .tga non compressé en couleurs vraies, indexé ou en niveaux de gris</translation>
    </message>
    <message>
        <source>the header announces a %1 picture of %2 bits per pixel, which needs %3 bytes, but the file has only %4</source>
        <translation>l&apos;en-tête annonce une image %1 en %2 bits par pixel, qui demande %3 octets, mais le fichier n&apos;en a que %4</translation>
    </message>
    <message>
        <source>pixel (%1, %2) uses colour %3, which the file&apos;s colour map does not hold</source>
        <translation>le pixel (%1, %2) utilise la couleur %3, que la palette du fichier ne contient pas</translation>
    </message>
    <message>
        <source>is not a .png file: it does not start with the PNG signature</source>
        <translation>n&apos;est pas un fichier .png : il ne commence pas par la signature PNG</translation>
    </message>
    <message>
        <source>the PNG&apos;s palette or transparency is damaged (%1), so its pixels are not defined</source>
        <translation>la palette ou la transparence du PNG est endommagée (%1), ses pixels ne sont donc pas définis</translation>
    </message>
    <message>
        <source>the PNG data is damaged or cut short (%1)</source>
        <translation>les données PNG sont endommagées ou tronquées (%1)</translation>
    </message>
    <message>
        <source>the file is too short for a %1 picture</source>
        <translation>le fichier est trop court pour une image %1</translation>
    </message>
    <message>
        <source>the file ends before the picture does</source>
        <translation>le fichier se termine avant l&apos;image</translation>
    </message>
    <message>
        <source>pixel (%1, %2) has colour number %3, but the palette holds only %4 colours</source>
        <translation>le pixel (%1, %2) a le numéro de couleur %3, mais la palette ne contient que %4 couleurs</translation>
    </message>
    <message>
        <source>the PNG picture can&apos;t be made (%1)</source>
        <translation>l&apos;image PNG ne peut pas être créée (%1)</translation>
    </message>
    <message>
        <source>a %1 picture needs %2 bytes, more than the 2147483647 a menu image can hold</source>
        <translation>une image %1 demande %2 octets, plus que les 2147483647 qu&apos;une image de menu peut contenir</translation>
    </message>
    <message>
        <source>the picture is %1 pixels</source>
        <translation>l&apos;image fait %1 pixels</translation>
    </message>
    <message>
        <source>a font sheet must be 256 x 256</source>
        <translation>une planche de police doit faire 256 x 256</translation>
    </message>
    <message>
        <source>not enough memory</source>
        <translation>pas assez de mémoire</translation>
    </message>
    <message>
        <source>not enough memory to read a .png file</source>
        <translation>pas assez de mémoire pour lire un fichier .png</translation>
    </message>
    <message>
        <source>not enough memory to read a %1 picture</source>
        <translation>pas assez de mémoire pour lire une image %1</translation>
    </message>
    <message>
        <source>not enough memory for a %1 picture</source>
        <translation>pas assez de mémoire pour une image %1</translation>
    </message>
    <message>
        <source>image %1 (%2 x %3 pixels) holds no picture a .png file can hold</source>
        <translation>l&apos;image %1 (%2 x %3 pixels) ne contient aucune image qu&apos;un fichier .png puisse contenir</translation>
    </message>
    <message>
        <source>image %1 (%2 x %3 pixels) holds %4 bytes instead of %5</source>
        <translation>l&apos;image %1 (%2 x %3 pixels) contient %4 octets au lieu de %5</translation>
    </message>
    <message>
        <source>save it as .tga</source>
        <translation>enregistrez-la en .tga</translation>
    </message>
    <message>
        <source>a .png file holds only whole pictures, so save it as .tga</source>
        <translation>un fichier .png ne contient que des images entières, enregistrez-la donc en .tga</translation>
    </message>
    <message>
        <source>there is no font sheet number %1</source>
        <translation>il n&apos;y a pas de planche de police numéro %1</translation>
    </message>
    <message>
        <source>font sheet %1 holds %2 bytes instead of 65536</source>
        <translation>la planche de police %1 contient %2 octets au lieu de 65536</translation>
    </message>
    <message>
        <source>holds no picture a .png file can hold</source>
        <translation>ne contient aucune image qu&apos;un fichier .png puisse contenir</translation>
    </message>
    <message>
        <source>holds %1 bytes instead of 65536</source>
        <translation>contient %1 octets au lieu de 65536</translation>
    </message>
    <message>
        <source>image %1 is %2 pixels wide</source>
        <translation>l&apos;image %1 fait %2 pixels de large</translation>
    </message>
    <message>
        <source>image %1 is %2 pixels high</source>
        <translation>l&apos;image %1 fait %2 pixels de haut</translation>
    </message>
    <message>
        <source>a .tga file can only hold 0 to 65535</source>
        <translation>un fichier .tga ne peut contenir que de 0 à 65535</translation>
    </message>
    <message>
        <source>image %1 has a negative byte count (%2)</source>
        <translation>l&apos;image %1 a un nombre d&apos;octets négatif (%2)</translation>
    </message>
    <message>
        <source>there is no menu image number %1 to replace</source>
        <translation>il n&apos;y a pas d&apos;image de menu numéro %1 à remplacer</translation>
    </message>
    <message>
        <source>there is no font sheet number %1 to replace</source>
        <translation>il n&apos;y a pas de planche de police numéro %1 à remplacer</translation>
    </message>
    <message>
        <source>these files all name the same image: %1</source>
        <translation>ces fichiers désignent tous la même image : %1</translation>
    </message>
    <message>
        <source>these files all name the same font sheet: %1</source>
        <translation>ces fichiers désignent tous la même planche de police : %1</translation>
    </message>
    <message>
        <source>rename or remove all but one</source>
        <translation>renommez-les ou retirez-les tous sauf un</translation>
    </message>
    <message>
        <source>No picture was imported.</source>
        <translation>Aucune image n&apos;a été importée.</translation>
    </message>
    <message>
        <source>No picture was imported from %1.</source>
        <translation>Aucune image n&apos;a été importée de %1.</translation>
    </message>
    <message>
        <source>the archive is damaged (%1)</source>
        <translation>l&apos;archive est endommagée (%1)</translation>
    </message>
    <message>
        <source>the archive is damaged at &quot;%1&quot; (%2)</source>
        <translation>l&apos;archive est endommagée à « %1 » (%2)</translation>
    </message>
    <message>
        <source>this build of Tessary can&apos;t expand archives compressed as this one is</source>
        <translation>cette version de Tessary ne sait pas décompresser les archives compressées de cette façon</translation>
    </message>
    <message>
        <source>the archive holds %1 bytes, more than Tessary reads (%2)</source>
        <translation>l&apos;archive contient %1 octets, plus que ce que lit Tessary (%2)</translation>
    </message>
    <message>
        <source>is not an archive Tessary can read (%1)</source>
        <translation>n&apos;est pas une archive que Tessary sait lire (%1)</translation>
    </message>
    <message>
        <source>the archive holds more than %1 entries</source>
        <translation>l&apos;archive contient plus de %1 entrées</translation>
    </message>
    <message>
        <source>the folder holds more than %1 files and folders</source>
        <translation>le dossier contient plus de %1 fichiers et dossiers</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is encrypted, which Tessary can&apos;t read</source>
        <translation>« %1 » est chiffré, ce que Tessary ne sait pas lire</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a link, which Tessary does not follow</source>
        <translation>« %1 » est un lien, que Tessary ne suit pas</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a device or another special file, not a file</source>
        <translation>« %1 » est un périphérique ou un autre fichier spécial, pas un fichier</translation>
    </message>
    <message>
        <source>&quot;%1&quot; expands more than %2 times over what it takes in the archive, as a zip bomb does</source>
        <translation>« %1 » grossit de plus de %2 fois par rapport à sa taille dans l&apos;archive, comme une bombe zip</translation>
    </message>
    <message>
        <source>&quot;%1&quot; would make the archive expand past %2 MB, more than any menu mod holds (a zip bomb?)</source>
        <translation>« %1 » ferait dépasser %2 Mo à l&apos;archive décompressée, plus que n&apos;importe quel mod de menus (une bombe zip ?)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; would take the mod past %2 MB, more than any menu mod holds</source>
        <translation>« %1 » ferait dépasser %2 Mo au mod, plus que n&apos;importe quel mod de menus</translation>
    </message>
    <message>
        <source>&quot;%1&quot; lies more than %2 folders deep</source>
        <translation>« %1 » se trouve à plus de %2 niveaux de dossiers</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has no name</source>
        <translation>« %1 » n&apos;a pas de nom</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has a name that is not valid text (UTF-8)</source>
        <translation>« %1 » a un nom qui n&apos;est pas un texte valide (UTF-8)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has a control character in its name</source>
        <translation>« %1 » a un caractère de contrôle dans son nom</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is named by an absolute path</source>
        <translation>« %1 » est nommé par un chemin absolu</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is named with a drive letter</source>
        <translation>« %1 » est nommé avec une lettre de lecteur</translation>
    </message>
    <message>
        <source>&quot;%1&quot; climbs out of the archive&apos;s folder (&quot;..&quot;)</source>
        <translation>« %1 » sort du dossier de l&apos;archive (&quot;..&quot;)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has &apos;:&apos; in its name, which Windows reads as a drive or a stream</source>
        <translation>« %1 » contient &apos;:&apos; dans son nom, ce que Windows lit comme un lecteur ou un flux</translation>
    </message>
    <message>
        <source>&quot;%1&quot; lies in a folder that has the name of a file: &quot;%2&quot;</source>
        <translation>« %1 » se trouve dans un dossier qui porte le nom d&apos;un fichier : « %2 »</translation>
    </message>
    <message>
        <source>&quot;%1&quot; appears twice (letter case aside)</source>
        <translation>« %1 » apparaît deux fois (sans tenir compte de la casse)</translation>
    </message>
    <message>
        <source>holds no menu image or font sheet of this game that Tessary could take</source>
        <translation>ne contient aucune image de menu ni planche de police de ce jeu que Tessary puisse prendre</translation>
    </message>
    <message>
        <source>holds no menu image or font sheet of this game that Tessary could take (%1)</source>
        <translation>ne contient aucune image de menu ni planche de police de ce jeu que Tessary puisse prendre (%1)</translation>
    </message>
    <message>
        <source>holds game files in two folders, &quot;%1&quot; and &quot;%2&quot;</source>
        <translation>contient des fichiers du jeu dans deux dossiers, « %1 » et « %2 »</translation>
    </message>
    <message>
        <source>&quot;%1&quot; and &quot;%2&quot; both name %3</source>
        <translation>« %1 » et « %2 » désignent tous deux %3</translation>
    </message>
    <message>
        <source>Tessary can&apos;t tell which of them the mod means</source>
        <translation>Tessary ne peut pas savoir lequel le mod veut dire</translation>
    </message>
    <message>
        <source>%1 is image %2, but this game has images 1 to %3 only</source>
        <translation>%1 est l&apos;image %2, mais ce jeu n&apos;a que les images 1 à %3</translation>
    </message>
    <message>
        <source>the mod&apos;s Gp2001.gph lists %1 images, this game&apos;s index %2, and it has no entry for %3</source>
        <translation>le Gp2001.gph du mod liste %1 images, l&apos;index de ce jeu %2, et il n&apos;a pas d&apos;entrée pour %3</translation>
    </message>
    <message>
        <source>%1 holds %2 bytes, but its entry in the mod&apos;s Gp2001.gph says %3 (%4 bytes)</source>
        <translation>%1 contient %2 octets, mais son entrée dans le Gp2001.gph du mod indique %3 (%4 octets)</translation>
    </message>
    <message>
        <source>%1 holds %2 bytes, but its entry in the game&apos;s index (the mod ships none) says %3 (%4 bytes)</source>
        <translation>%1 contient %2 octets, mais son entrée dans l&apos;index du jeu (le mod n&apos;en fournit pas) indique %3 (%4 octets)</translation>
    </message>
    <message>
        <source>%1 x %2 pixels</source>
        <translation>%1 x %2 pixels</translation>
    </message>
    <message>
        <source>holds %1 bytes, not one index entry</source>
        <translation>contient %1 octets, pas une entrée d&apos;index</translation>
    </message>
    <message>
        <source>The mod&apos;s Gp2001.gph also changes the entries of images it does not ship</source>
        <translation>Le Gp2001.gph du mod modifie aussi les entrées d&apos;images qu&apos;il ne fournit pas</translation>
    </message>
    <message>
        <source>Tessary leaves them as they are</source>
        <translation>Tessary les laisse telles quelles</translation>
    </message>
    <message>
        <source>Font files with another header or table than the game&apos;s: only their pictures are taken: %1</source>
        <translation>Fichiers de police avec un autre en-tête ou une autre table que ceux du jeu (seules leurs images sont prises) : %1</translation>
    </message>
    <message>
        <source>Files that are no game file were left out: %1</source>
        <translation>Les fichiers qui ne sont pas des fichiers du jeu ont été laissés de côté : %1</translation>
    </message>
    <message>
        <source>Files that name no menu image or font sheet of this game were left out: %1</source>
        <translation>Les fichiers qui ne désignent aucune image de menu ni planche de police de ce jeu ont été laissés de côté : %1</translation>
    </message>
    <message>
        <source>The package was made over other pictures than this game&apos;s originals: %1</source>
        <translation>Le paquet a été fait à partir d&apos;autres images que les originaux de ce jeu : %1</translation>
    </message>
    <message>
        <source>Files its manifest does not list were left out: %1</source>
        <translation>Les fichiers que son manifeste ne liste pas ont été laissés de côté : %1</translation>
    </message>
    <message>
        <source>tessary-mod.json is damaged: %1</source>
        <translation>tessary-mod.json est endommagé : %1</translation>
    </message>
    <message>
        <source>the mod package was made by a newer Tessary (package version %1)</source>
        <translation>le paquet de mod a été fait par un Tessary plus récent (version de paquet %1)</translation>
    </message>
    <message>
        <source>this one reads version %1</source>
        <translation>celui-ci lit la version %1</translation>
    </message>
    <message>
        <source>it is not a JSON object</source>
        <translation>ce n&apos;est pas un objet JSON</translation>
    </message>
    <message>
        <source>&quot;format&quot; is not &quot;Tessary mod package&quot;</source>
        <translation>&quot;format&quot; n&apos;est pas &quot;Tessary mod package&quot;</translation>
    </message>
    <message>
        <source>&quot;name&quot; is empty</source>
        <translation>&quot;name&quot; est vide</translation>
    </message>
    <message>
        <source>&quot;created&quot; is not a time such as 2026-05-04T12:34:56Z</source>
        <translation>&quot;created&quot; n&apos;est pas une date et heure comme 2026-05-04T12:34:56Z</translation>
    </message>
    <message>
        <source>&quot;pictures&quot; is not a list of at most %1 pictures</source>
        <translation>&quot;pictures&quot; n&apos;est pas une liste d&apos;au plus %1 images</translation>
    </message>
    <message>
        <source>%1 is listed twice</source>
        <translation>%1 figure deux fois</translation>
    </message>
    <message>
        <source>the manifest has no &quot;%1&quot;</source>
        <translation>le manifeste n&apos;a pas de &quot;%1&quot;</translation>
    </message>
    <message>
        <source>the manifest has an unknown key &quot;%1&quot;</source>
        <translation>le manifeste a une clé inconnue &quot;%1&quot;</translation>
    </message>
    <message>
        <source>&quot;%1&quot; of the manifest is not text</source>
        <translation>&quot;%1&quot; du manifeste n&apos;est pas du texte</translation>
    </message>
    <message>
        <source>&quot;%1&quot; of the manifest is longer than %2 bytes</source>
        <translation>&quot;%1&quot; du manifeste dépasse %2 octets</translation>
    </message>
    <message>
        <source>&quot;%1&quot; of the manifest holds a control character</source>
        <translation>&quot;%1&quot; du manifeste contient un caractère de contrôle</translation>
    </message>
    <message>
        <source>&quot;%1&quot; of the manifest is not a whole number from %2 to %3</source>
        <translation>&quot;%1&quot; du manifeste n&apos;est pas un nombre entier de %2 à %3</translation>
    </message>
    <message>
        <source>picture %1 is not an object</source>
        <translation>l&apos;image %1 n&apos;est pas un objet</translation>
    </message>
    <message>
        <source>picture %1 has no &quot;%2&quot;</source>
        <translation>l&apos;image %1 n&apos;a pas de &quot;%2&quot;</translation>
    </message>
    <message>
        <source>picture %1 has an unknown key &quot;%2&quot;</source>
        <translation>l&apos;image %1 a une clé inconnue &quot;%2&quot;</translation>
    </message>
    <message>
        <source>picture %1 must name either an &quot;image&quot; or a &quot;font&quot;</source>
        <translation>l&apos;image %1 doit indiquer soit &quot;image&quot;, soit &quot;font&quot;</translation>
    </message>
    <message>
        <source>picture %1 names no font of the game: &quot;%2&quot;</source>
        <translation>l&apos;image %1 n&apos;indique aucune police du jeu : &quot;%2&quot;</translation>
    </message>
    <message>
        <source>picture %1 must be in the file &quot;%2&quot;</source>
        <translation>l&apos;image %1 doit se trouver dans le fichier &quot;%2&quot;</translation>
    </message>
    <message>
        <source>&quot;%1&quot; of picture %2 is not text</source>
        <translation>&quot;%1&quot; de l&apos;image %2 n&apos;est pas du texte</translation>
    </message>
    <message>
        <source>&quot;%1&quot; of picture %2 is longer than %3 bytes</source>
        <translation>&quot;%1&quot; de l&apos;image %2 dépasse %3 octets</translation>
    </message>
    <message>
        <source>&quot;%1&quot; of picture %2 holds a control character</source>
        <translation>&quot;%1&quot; de l&apos;image %2 contient un caractère de contrôle</translation>
    </message>
    <message>
        <source>&quot;%1&quot; of picture %2 is not a whole number from %3 to %4</source>
        <translation>&quot;%1&quot; de l&apos;image %2 n&apos;est pas un nombre entier de %3 à %4</translation>
    </message>
    <message>
        <source>&quot;%1&quot; of picture %2 is not a SHA-256 digest (64 lower-case hex digits)</source>
        <translation>&quot;%1&quot; de l&apos;image %2 n&apos;est pas une empreinte SHA-256 (64 chiffres hexadécimaux en minuscules)</translation>
    </message>
    <message>
        <source>%1 is not a PNG file, as its manifest says</source>
        <translation>%1 n&apos;est pas un fichier PNG, contrairement à ce qu&apos;indique le manifeste</translation>
    </message>
    <message>
        <source>%1 is %2 x %3 pixels, but its manifest says %4 x %5</source>
        <translation>%1 fait %2 x %3 pixels, mais le manifeste indique %4 x %5</translation>
    </message>
    <message>
        <source>%1 does not hold the picture its manifest names (its SHA-256 differs)</source>
        <translation>%1 ne contient pas l&apos;image que désigne le manifeste (son SHA-256 diffère)</translation>
    </message>
    <message>
        <source>the package is damaged</source>
        <translation>le paquet est endommagé</translation>
    </message>
    <message>
        <source>the package replaces image %1, but this game has images 1 to %2 only</source>
        <translation>le paquet remplace l&apos;image %1, mais ce jeu n&apos;a que les images 1 à %2</translation>
    </message>
    <message>
        <source>the package lacks %1, which its manifest lists</source>
        <translation>il manque au paquet %1, que son manifeste liste</translation>
    </message>
    <message>
        <source>a mod package needs a name</source>
        <translation>un paquet de mod a besoin d&apos;un nom</translation>
    </message>
    <message>
        <source>a mod package&apos;s name and author are at most 200 bytes long</source>
        <translation>le nom et l&apos;auteur d&apos;un paquet de mod font au plus 200 octets</translation>
    </message>
    <message>
        <source>a mod package&apos;s description is at most 4000 bytes long</source>
        <translation>la description d&apos;un paquet de mod fait au plus 4000 octets</translation>
    </message>
    <message>
        <source>a mod package&apos;s name, author and description can&apos;t hold control characters</source>
        <translation>le nom, l&apos;auteur et la description d&apos;un paquet de mod ne peuvent pas contenir de caractères de contrôle</translation>
    </message>
    <message>
        <source>image %1 (%2 x %3 pixels) holds %4 bytes, not a whole picture, which a mod package can&apos;t hold</source>
        <translation>l&apos;image %1 (%2 x %3 pixels) contient %4 octets, pas une image entière, ce qu&apos;un paquet de mod ne peut pas contenir</translation>
    </message>
    <message>
        <source>no package was written</source>
        <translation>aucun paquet n&apos;a été écrit</translation>
    </message>
    <message>
        <source>every picture is the game&apos;s original, so there is nothing to put in a mod package</source>
        <translation>chaque image est l&apos;original du jeu, il n&apos;y a donc rien à mettre dans un paquet de mod</translation>
    </message>
    <message>
        <source>the .zip archive can&apos;t be written: %1</source>
        <translation>l&apos;archive .zip ne peut pas être écrite : %1</translation>
    </message>
    <message>
        <source>libarchive failed</source>
        <translation>libarchive a échoué</translation>
    </message>
    <message>
        <source>the text is not valid UTF-8</source>
        <translation>le texte n&apos;est pas de l&apos;UTF-8 valide</translation>
    </message>
    <message>
        <source>at byte %1: %2</source>
        <translation>à l&apos;octet %1 : %2</translation>
    </message>
    <message>
        <source>there is more after the value</source>
        <translation>il y a autre chose après la valeur</translation>
    </message>
    <message>
        <source>expected a value</source>
        <translation>valeur attendue</translation>
    </message>
    <message>
        <source>expected a key in quotes</source>
        <translation>clé entre guillemets attendue</translation>
    </message>
    <message>
        <source>expected &apos;:&apos; after a key</source>
        <translation>&apos;:&apos; attendu après une clé</translation>
    </message>
    <message>
        <source>expected &apos;,&apos; or &apos;}&apos;</source>
        <translation>&apos;,&apos; ou &apos;}&apos; attendu</translation>
    </message>
    <message>
        <source>expected &apos;,&apos; or &apos;]&apos;</source>
        <translation>&apos;,&apos; ou &apos;]&apos; attendu</translation>
    </message>
    <message>
        <source>the key &quot;%1&quot; appears twice</source>
        <translation>la clé &quot;%1&quot; apparaît deux fois</translation>
    </message>
    <message>
        <source>the values are nested too deeply</source>
        <translation>les valeurs sont imbriquées trop profondément</translation>
    </message>
    <message>
        <source>\u needs four hex digits</source>
        <translation>\u demande quatre chiffres hexadécimaux</translation>
    </message>
    <message>
        <source>a \u escape holds half a character</source>
        <translation>un échappement \u contient la moitié d&apos;un caractère</translation>
    </message>
    <message>
        <source>unknown escape</source>
        <translation>échappement inconnu</translation>
    </message>
    <message>
        <source>the text ends inside quotes</source>
        <translation>le texte se termine entre guillemets</translation>
    </message>
    <message>
        <source>a control character stands unescaped in quotes</source>
        <translation>un caractère de contrôle figure sans échappement entre guillemets</translation>
    </message>
    <message>
        <source>a number starts with 0</source>
        <translation>un nombre commence par 0</translation>
    </message>
    <message>
        <source>the number is too large</source>
        <translation>le nombre est trop grand</translation>
    </message>
    <message>
        <source>only whole numbers are taken</source>
        <translation>seuls les nombres entiers sont acceptés</translation>
    </message>
    <message>
        <source>is not a folder of Tessary&apos;s own (a link or a file has its name)</source>
        <translation>n&apos;est pas un dossier propre à Tessary (un lien ou un fichier porte son nom)</translation>
    </message>
    <message>
        <source>Tessary leaves it as it is</source>
        <translation>Tessary n&apos;y touche pas</translation>
    </message>
    <message>
        <source>a mod named &quot;%1&quot; is installed already</source>
        <translation>un mod nommé « %1 » est déjà installé</translation>
    </message>
    <message>
        <source>uninstall it first</source>
        <translation>désinstallez-le d&apos;abord</translation>
    </message>
    <message>
        <source>the record of installed mods is damaged (%1)</source>
        <translation>la liste des mods installés est endommagée (%1)</translation>
    </message>
    <message>
        <source>Tessary leaves it as it is. Move the folder tessary-mods away to install mods again</source>
        <translation>Tessary la laisse telle quelle. Déplacez le dossier tessary-mods ailleurs pour installer à nouveau des mods</translation>
    </message>
    <message>
        <source>it is not the file Tessary wrote</source>
        <translation>ce n&apos;est pas le fichier écrit par Tessary</translation>
    </message>
    <message>
        <source>the record of installed mods was written by another version of Tessary (record version %1)</source>
        <translation>la liste des mods installés a été écrite par une autre version de Tessary (version de liste %1)</translation>
    </message>
    <message>
        <source>it lists too many mods</source>
        <translation>elle liste trop de mods</translation>
    </message>
    <message>
        <source>a mod has no number of its own</source>
        <translation>un mod n&apos;a pas de numéro propre</translation>
    </message>
    <message>
        <source>a mod has no list of pictures</source>
        <translation>un mod n&apos;a pas de liste d&apos;images</translation>
    </message>
    <message>
        <source>two mods have the name &quot;%1&quot;</source>
        <translation>deux mods portent le nom « %1 »</translation>
    </message>
    <message>
        <source>the mod &quot;%1&quot; lists %2 twice</source>
        <translation>le mod « %1 » liste %2 deux fois</translation>
    </message>
    <message>
        <source>a picture names neither an image nor a font</source>
        <translation>une image n&apos;indique ni image de menu ni police</translation>
    </message>
    <message>
        <source>a picture is kept in &quot;%1&quot;, which is not a record file</source>
        <translation>une image est conservée dans « %1 », qui n&apos;est pas un fichier de la liste</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is missing or not text</source>
        <translation>&quot;%1&quot; manque ou n&apos;est pas du texte</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a SHA-256 digest</source>
        <translation>&quot;%1&quot; n&apos;est pas une empreinte SHA-256</translation>
    </message>
    <message>
        <source>it lacks %1</source>
        <translation>il manque %1</translation>
    </message>
    <message>
        <source>%1 is too large</source>
        <translation>%1 est trop grand</translation>
    </message>
    <message>
        <source>%1 is not the picture the record names</source>
        <translation>%1 n&apos;est pas l&apos;image que désigne la liste</translation>
    </message>
    <message>
        <source>a mod&apos;s name must be 1 to %1 bytes long</source>
        <translation>le nom d&apos;un mod doit faire de 1 à %1 octets</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not</source>
        <translation>« %1 » ne l&apos;est pas</translation>
    </message>
    <message>
        <source>the mod is named &quot;%1&quot;, not &quot;%2&quot;</source>
        <translation>le mod s&apos;appelle « %1 », pas « %2 »</translation>
    </message>
    <message>
        <source>it can&apos;t update that one</source>
        <translation>il ne peut pas mettre celui-là à jour</translation>
    </message>
    <message>
        <source>a profile&apos;s name must be 1 to %1 bytes long</source>
        <translation>le nom d&apos;un profil doit faire de 1 à %1 octets</translation>
    </message>
    <message>
        <source>there is no profile named &quot;%1&quot;</source>
        <translation>il n&apos;y a pas de profil nommé « %1 »</translation>
    </message>
    <message>
        <source>the game&apos;s original of %1 that lay below the mod &quot;%2&quot; is not kept any more (tessary-originals was changed)</source>
        <translation>l&apos;original du jeu de %1, qui se trouvait sous le mod « %2 », n&apos;est plus conservé (tessary-originals a été modifié)</translation>
    </message>
    <message>
        <source>Tessary can&apos;t give it back, so nothing was changed</source>
        <translation>Tessary ne peut pas le rendre, donc rien n&apos;a été modifié</translation>
    </message>
    <message>
        <source>the mod &quot;%1&quot; is neither on nor off</source>
        <translation>le mod « %1 » n&apos;est ni activé ni désactivé</translation>
    </message>
    <message>
        <source>&quot;profiles&quot; is not a list</source>
        <translation>« profiles » n&apos;est pas une liste</translation>
    </message>
    <message>
        <source>two profiles have the name &quot;%1&quot;</source>
        <translation>deux profils s&apos;appellent « %1 »</translation>
    </message>
    <message>
        <source>the profile &quot;%1&quot; has no list of mods</source>
        <translation>le profil « %1 » n&apos;a pas de liste de mods</translation>
    </message>
    <message>
        <source>the profile &quot;%1&quot; names a mod that is not installed, or one twice</source>
        <translation>le profil « %1 » nomme un mod qui n&apos;est pas installé, ou un mod deux fois</translation>
    </message>
    <message numerus="yes">
        <source>the file has only %n bytes, a font header needs 14</source>
        <translation>
            <numerusform>le fichier n&apos;a que %n octet, un en-tête de police en demande 14</numerusform>
            <numerusform>le fichier n&apos;a que %n octets, un en-tête de police en demande 14</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation>%1 ; %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 … and %n more</source>
        <translation>
            <numerusform>%1 … et %n de plus</numerusform>
            <numerusform>%1 … et %n de plus</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>another program changed the index to %1 images since Tessary loaded it (%2)</source>
        <translation>un autre programme a porté l&apos;index à %1 images depuis que Tessary l&apos;a chargé (%2)</translation>
    </message>
    <message>
        <source>load the game folder again</source>
        <translation>chargez de nouveau le dossier du jeu</translation>
    </message>
    <message numerus="yes">
        <source>%n files matched no image: %1</source>
        <translation>
            <numerusform>%n fichier ne correspondait à aucune image : %1</numerusform>
            <numerusform>%n fichiers ne correspondaient à aucune image : %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files matched no font sheet: %1</source>
        <translation>
            <numerusform>%n fichier ne correspondait à aucune planche de police : %1</numerusform>
            <numerusform>%n fichiers ne correspondaient à aucune planche de police : %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files matched no image or font sheet: %1</source>
        <translation>
            <numerusform>%n fichier ne correspondait à aucune image ni planche de police : %1</numerusform>
            <numerusform>%n fichiers ne correspondaient à aucune image ni planche de police : %1</numerusform>
        </translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>un dossier</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>pas un fichier ordinaire</translation>
    </message>
    <message numerus="yes">
        <source>Imported %n pictures.</source>
        <translation>
            <numerusform>%n image importée.</numerusform>
            <numerusform>%n images importées.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Imported %n pictures from %1.</source>
        <translation>
            <numerusform>%n image importée de %1.</numerusform>
            <numerusform>%n images importées de %1.</numerusform>
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
            <numerusform>%n fichier était identique à l&apos;image déjà en place : %1</numerusform>
            <numerusform>%n fichiers étaient identiques à l&apos;image déjà en place : %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files were refused:</source>
        <translation>
            <numerusform>%n fichier a été refusé :</numerusform>
            <numerusform>%n fichiers ont été refusés :</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>… and %n more</source>
        <translation>
            <numerusform>… et %n de plus</numerusform>
            <numerusform>… et %n de plus</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message numerus="yes">
        <source>%n entries were skipped, as they are no files: %1</source>
        <translation>
            <numerusform>%n entrée a été ignorée, car ce n&apos;est pas un fichier : %1</numerusform>
            <numerusform>%n entrées ont été ignorées, car ce ne sont pas des fichiers : %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the file has only %n bytes, a .tga header needs 18</source>
        <translation>
            <numerusform>le fichier n&apos;a que %n octet, un en-tête .tga en demande 18</numerusform>
            <numerusform>le fichier n&apos;a que %n octets, un en-tête .tga en demande 18</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Tessary has finished it, so all %n files it was replacing now hold the changes.</source>
        <translation>
            <numerusform>Tessary l&apos;a terminée, donc le fichier qu&apos;elle remplaçait contient maintenant les modifications.</numerusform>
            <numerusform>Tessary l&apos;a terminée, donc les %n fichiers qu&apos;elle remplaçait contiennent maintenant les modifications.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Tessary has put the earlier files back, but %n files that did not exist before it keep the new content: %1.</source>
        <translation>
            <numerusform>Tessary a remis en place les fichiers précédents, mais %n fichier qui n&apos;existait pas avant garde le nouveau contenu : %1.</numerusform>
            <numerusform>Tessary a remis en place les fichiers précédents, mais %n fichiers qui n&apos;existaient pas avant gardent le nouveau contenu : %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n unfinished files</source>
        <translation>
            <numerusform>%n fichier inachevé</numerusform>
            <numerusform>%n fichiers inachevés</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n originals</source>
        <translation>
            <numerusform>%n original</numerusform>
            <numerusform>%n originaux</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>a checksum (CRC) of the PNG data does not match, so the file is damaged (%1)</source>
        <translation>une somme de contrôle (CRC) des données PNG ne correspond pas, le fichier est donc endommagé (%1)</translation>
    </message>
    <message>
        <source>%1-bit true-colour .tga files can&apos;t be read</source>
        <translation>les fichiers .tga en couleurs vraies sur %1 bits ne peuvent pas être lus</translation>
    </message>
    <message>
        <source>colour-mapped .tga files with %1-bit colour indices can&apos;t be read</source>
        <translation>les fichiers .tga indexés avec des indices de couleur sur %1 bits ne peuvent pas être lus</translation>
    </message>
    <message>
        <source>%1-bit grey-scale .tga files can&apos;t be read</source>
        <translation>les fichiers .tga en niveaux de gris sur %1 bits ne peuvent pas être lus</translation>
    </message>
    <message>
        <source>the mod &quot;%1&quot; lists image %2, but this game has images 1 to %3</source>
        <translation>le mod « %1 » contient l&apos;image %2, mais ce jeu n&apos;a que les images 1 à %3</translation>
    </message>
    <message>
        <source>the record of installed mods has no number left for another mod</source>
        <translation>la liste des mods installés n&apos;a plus de numéro libre pour un autre mod</translation>
    </message>
    <message>
        <source>a picture&apos;s &quot;entry&quot; is not &quot;size&quot;</source>
        <translation>le &quot;entry&quot; d&apos;une image n&apos;est pas &quot;size&quot;</translation>
    </message>
    <message>
        <source>%1 holds %2 bytes, but its entry says %3 x %4 pixels</source>
        <translation>%1 contient %2 octets, mais son entrée indique %3 x %4 pixels</translation>
    </message>
    <message>
        <source>the index has no entry for image %1</source>
        <translation>l&apos;index n&apos;a pas d&apos;entrée pour l&apos;image %1</translation>
    </message>
    <message>
        <source>picture %1 names the mod it comes from without a name</source>
        <translation>l&apos;image %1 nomme le mod dont elle vient sans lui donner de nom</translation>
    </message>
    <message numerus="yes">
        <source>every picture that differs from the game&apos;s original is one an installed mod set (%n), and a package holds only your own changes unless you include the mods&apos; pictures</source>
        <translation>
            <numerusform>chaque image qui diffère de l&apos;original du jeu vient d&apos;un mod installé (%n), et un paquet ne contient que vos propres modifications, à moins d&apos;y inclure les images des mods</numerusform>
            <numerusform>chaque image qui diffère de l&apos;original du jeu vient d&apos;un mod installé (%n), et un paquet ne contient que vos propres modifications, à moins d&apos;y inclure les images des mods</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is %2 x %3 pixels, larger than the %4 x %5 Tessary takes from a mod</source>
        <translation>%1 fait %2 x %3 pixels, plus que les %4 x %5 que Tessary accepte d&apos;un mod</translation>
    </message>
    <message>
        <source>%1 would bring the mod&apos;s decoded pictures past %2 MB, more than any menu mod holds</source>
        <translation>%1 ferait dépasser %2 Mo aux images décodées du mod, plus que n&apos;importe quel mod de menus</translation>
    </message>
    <message>
        <source>a JPEG picture</source>
        <translation>une image JPEG</translation>
    </message>
    <message>
        <source>a GIF picture</source>
        <translation>une image GIF</translation>
    </message>
    <message>
        <source>a BMP picture</source>
        <translation>une image BMP</translation>
    </message>
    <message>
        <source>a WebP picture</source>
        <translation>une image WebP</translation>
    </message>
    <message>
        <source>is %1, not a PNG or TGA file, whatever its name says</source>
        <translation>est %1, pas un fichier PNG ou TGA, quoi qu&apos;en dise son nom</translation>
    </message>
    <message>
        <source>save it as .png or .tga</source>
        <translation>enregistrez-la en .png ou en .tga</translation>
    </message>
    <message>
        <source>there is not enough memory to expand the archive (%1)</source>
        <translation>il n&apos;y a pas assez de mémoire pour décompresser l&apos;archive (%1)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is encrypted, which Tessary can&apos;t read (%2)</source>
        <translation>« %1 » est chiffré, ce que Tessary ne sait pas lire (%2)</translation>
    </message>
    <message>
        <source>the archive is encrypted, which Tessary can&apos;t read (%1)</source>
        <translation>l&apos;archive est chiffrée, ce que Tessary ne sait pas lire (%1)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; fails its CRC check, so the archive is damaged (%2)</source>
        <translation>« %1 » échoue à son contrôle CRC, l&apos;archive est donc endommagée (%2)</translation>
    </message>
    <message>
        <source>the archive fails a CRC check, so it is damaged (%1)</source>
        <translation>l&apos;archive échoue à un contrôle CRC, elle est donc endommagée (%1)</translation>
    </message>
    <message>
        <source>the archive is cut off at &quot;%1&quot;, as a download not finished is (%2)</source>
        <translation>l&apos;archive s&apos;arrête à « %1 », comme un téléchargement inachevé (%2)</translation>
    </message>
    <message>
        <source>the archive is cut off, as a download not finished is (%1)</source>
        <translation>l&apos;archive est tronquée, comme un téléchargement inachevé (%1)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is compressed in a way Tessary can&apos;t expand (%2)</source>
        <translation>« %1 » est compressé d&apos;une façon que Tessary ne sait pas décompresser (%2)</translation>
    </message>
    <message>
        <source>the archive is compressed in a way Tessary can&apos;t expand (%1)</source>
        <translation>l&apos;archive est compressée d&apos;une façon que Tessary ne sait pas décompresser (%1)</translation>
    </message>
    <message>
        <source>the archive&apos;s compressed data is cut off or damaged (a download not finished?)</source>
        <translation>les données compressées de l&apos;archive sont tronquées ou endommagées (un téléchargement inachevé ?)</translation>
    </message>
    <message>
        <source>the archive is cut off: it ends without the end a tar archive has (a download not finished?)</source>
        <translation>l&apos;archive est tronquée : elle finit sans la fin qu&apos;a une archive tar (un téléchargement inachevé ?)</translation>
    </message>
    <message>
        <source>the archive is cut off or damaged: %1 (a download not finished?)</source>
        <translation>l&apos;archive est tronquée ou endommagée : %1 (un téléchargement inachevé ?)</translation>
    </message>
    <message>
        <source>the entry &quot;%1&quot; has a name that holds a NUL character, which no file name holds</source>
        <translation>l&apos;entrée « %1 » a un nom qui contient un caractère NUL, ce qu&apos;aucun nom de fichier ne contient</translation>
    </message>
    <message>
        <source>it lacks the central directory at its end, the list of its files</source>
        <translation>il lui manque le répertoire central à sa fin, la liste de ses fichiers</translation>
    </message>
    <message>
        <source>its zip64 end record is missing</source>
        <translation>son enregistrement de fin zip64 manque</translation>
    </message>
    <message>
        <source>its central directory lies outside it</source>
        <translation>son répertoire central se trouve en dehors d&apos;elle</translation>
    </message>
    <message>
        <source>its central directory is incomplete</source>
        <translation>son répertoire central est incomplet</translation>
    </message>
    <message>
        <source>an entry the central directory lists is missing</source>
        <translation>une entrée que liste le répertoire central manque</translation>
    </message>
    <message numerus="yes">
        <source>its central directory lists %1 of the %n entries it says it holds</source>
        <translation>
            <numerusform>son répertoire central liste %1 de l&apos;entrée qu&apos;elle dit contenir</numerusform>
            <numerusform>son répertoire central liste %1 des %n entrées qu&apos;elle dit contenir</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ExternalEditor</name>
    <message>
        <source>No program opens .png files on this system; choose one with &quot;Choose image editor…&quot;.</source>
        <translation>Aucun programme n&apos;ouvre les fichiers .png sur ce système ; choisissez-en un avec « Choisir l&apos;éditeur d&apos;images… ».</translation>
    </message>
    <message>
        <source>%1 can&apos;t be started.</source>
        <translation>%1 ne peut pas être lancé.</translation>
    </message>
    <message>
        <source>a temporary folder can&apos;t be made there</source>
        <translation>impossible d&apos;y créer un dossier temporaire</translation>
    </message>
</context>
<context>
    <name>GameFolder</name>
    <message>
        <source>the value could not be recorded</source>
        <translation>la valeur n&apos;a pas pu être enregistrée</translation>
    </message>
    <message>
        <source>Please choose your GP4 folder</source>
        <translation>Veuillez choisir votre dossier GP4</translation>
    </message>
    <message>
        <source>Sorry but this is not a valid GP4.exe file. Image folder can&apos;t be found</source>
        <translation>Désolé, ce n&apos;est pas un fichier GP4.exe valide. Le dossier des images est introuvable</translation>
    </message>
    <message>
        <source>The game folder is recorded in Tessary&apos;s settings (%1), as %2 can&apos;t be changed (%3).</source>
        <translation>Le dossier du jeu est enregistré dans les réglages de Tessary (%1), car %2 ne peut pas être modifié (%3).</translation>
    </message>
    <message>
        <source>%1: the game folder can&apos;t be recorded (%2)</source>
        <translation>%1 : le dossier du jeu ne peut pas être enregistré (%2)</translation>
    </message>
    <message>
        <source>; %1: neither (%2)</source>
        <translation>; %1 : non plus (%2)</translation>
    </message>
</context>
<context>
    <name>ModViews</name>
    <message>
        <source>a Tessary mod package</source>
        <translation>un paquet de mod Tessary</translation>
    </message>
    <message>
        <source>laid out as the game folder</source>
        <translation>organisé comme le dossier du jeu</translation>
    </message>
    <message>
        <source>a set of pictures</source>
        <translation>un ensemble d&apos;images</translation>
    </message>
    <message>
        <source>By %1, </source>
        <translation>Par %1, </translation>
    </message>
    <message>
        <source>, from %1.</source>
        <translation>, depuis %1.</translation>
    </message>
    <message>
        <source>the same as the picture there now</source>
        <translation>identique à l&apos;image actuelle</translation>
    </message>
    <message>
        <source>replaces your change not yet applied
(uninstalling the mod gives it back)</source>
        <translation>remplace votre modification pas encore appliquée
(désinstaller le mod la rend)</translation>
    </message>
    <message>
        <source>replaces your own picture
(uninstalling the mod gives it back)</source>
        <translation>remplace votre propre image
(désinstaller le mod la rend)</translation>
    </message>
    <message>
        <source>covers the picture of the mod &quot;%1&quot;</source>
        <translation>recouvre l&apos;image du mod « %1 »</translation>
    </message>
    <message>
        <source>an edit</source>
        <translation>une retouche</translation>
    </message>
    <message>
        <source>%1 (by %2)</source>
        <translation>%1 (par %2)</translation>
    </message>
    <message>
        <source>%1 (&quot;%2&quot; shows)</source>
        <translation>%1 (visible : « %2 »)</translation>
    </message>
    <message>
        <source>%1 (none of the mods shows)</source>
        <translation>%1 (aucun des mods n&apos;est visible)</translation>
    </message>
    <message>
        <source>%1 (an edit shows)</source>
        <translation>%1 (une modification est visible)</translation>
    </message>
</context>
<context>
    <name>PictureTip</name>
    <message>
        <source>Changed in Tessary, not yet applied</source>
        <translation>Modifiée dans Tessary, pas encore appliquée</translation>
    </message>
    <message>
        <source>As the game folder holds it</source>
        <translation>Comme dans le dossier du jeu</translation>
    </message>
    <message>
        <source>Differs from the game&apos;s original</source>
        <translation>Diffère de l&apos;original du jeu</translation>
    </message>
    <message>
        <source>The game&apos;s original</source>
        <translation>L&apos;original du jeu</translation>
    </message>
    <message>
        <source>Can&apos;t be compared with the game&apos;s original: %1</source>
        <translation>Comparaison impossible avec l&apos;original du jeu : %1</translation>
    </message>
    <message>
        <source>Image %1 (%1.gpi)</source>
        <translation>Image %1 (%1.gpi)</translation>
    </message>
    <message>
        <source>%1 × %2 pixels, %3 bytes</source>
        <translation>%1 × %2 pixels, %3 octets</translation>
    </message>
    <message>
        <source>Font sheet %1 (%2)</source>
        <translation>Planche de police %1 (%2)</translation>
    </message>
    <message>
        <source>256 × 256 pixels, %1 bytes</source>
        <translation>256 × 256 pixels, %1 octets</translation>
    </message>
</context>
<context>
    <name>ProgramTexts</name>
    <message>
        <source>Pictures (*.tga *.png)</source>
        <translation>Images (*.tga *.png)</translation>
    </message>
    <message>
        <source>Please choose a folder where all .tga files will be saved.</source>
        <translation>Choisissez le dossier où tous les fichiers .tga seront enregistrés.</translation>
    </message>
    <message>
        <source>Please choose the folder that holds the pictures to load.</source>
        <translation>Choisissez le dossier qui contient les images à charger.</translation>
    </message>
    <message>
        <source>Load all images from a folder…</source>
        <translation>Charger toutes les images d&apos;un dossier…</translation>
    </message>
    <message>
        <source>Load all font sheets from a folder…</source>
        <translation>Charger toutes les planches de police d&apos;un dossier…</translation>
    </message>
    <message>
        <source>Revert to the game folder&apos;s file</source>
        <translation>Revenir au fichier du dossier du jeu</translation>
    </message>
    <message>
        <source>Restore the game&apos;s original</source>
        <translation>Restaurer l&apos;original du jeu</translation>
    </message>
    <message>
        <source>Edit in image editor…</source>
        <translation>Modifier dans l&apos;éditeur d&apos;images…</translation>
    </message>
    <message>
        <source>Choose image editor…</source>
        <translation>Choisir l&apos;éditeur d&apos;images…</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>Save changes as a mod package…</source>
        <translation>Enregistrer les modifications comme paquet de mod…</translation>
    </message>
    <message>
        <source>Install mod…</source>
        <translation>Installer un mod…</translation>
    </message>
    <message>
        <source>Tessary mod package (*.zip)</source>
        <translation>Paquet de mod Tessary (*.zip)</translation>
    </message>
    <message>
        <source>Mods (*.zip *.7z *.rar *.tar *.tar.gz *.tgz *.tar.bz2 *.tbz2 *.tar.xz *.txz)</source>
        <translation>Mods (*.zip *.7z *.rar *.tar *.tar.gz *.tgz *.tar.bz2 *.tbz2 *.tar.xz *.txz)</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Abandonner</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Load a picture (.tga, .png)</source>
        <translation>Charger une image (.tga, .png)</translation>
    </message>
    <message>
        <source>Save the picture (.tga, .png)</source>
        <translation>Enregistrer l&apos;image (.tga, .png)</translation>
    </message>
    <message>
        <source>Mods…</source>
        <translation>Mods…</translation>
    </message>
    <message>
        <source>Install a mod from a folder</source>
        <translation>Installer un mod depuis un dossier</translation>
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
        <translation>Programmes (*.exe);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Choose the image editor</source>
        <translation>Choisir l&apos;éditeur d&apos;images</translation>
    </message>
    <message>
        <source>Save the images in %1 as .tga or as .png files?</source>
        <translation>Enregistrer les images dans %1 en fichiers .tga ou .png ?</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>access denied</source>
        <translation>accès refusé</translation>
    </message>
    <message>
        <source>the file is not a valid settings file</source>
        <translation>le fichier n&apos;est pas un fichier de réglages valide</translation>
    </message>
</context>
<context>
    <name>TChannelToggle</name>
    <message>
        <source>Alpha Layer</source>
        <translation>Canal alpha</translation>
    </message>
    <message>
        <source>RGB Layers</source>
        <translation>Canaux RVB</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Not enough memory to finish the command.</source>
        <translation>Pas assez de mémoire pour terminer la commande.</translation>
    </message>
    <message>
        <source>Tessary closes when this work ends…</source>
        <translation>Tessary se fermera à la fin de ce travail…</translation>
    </message>
    <message>
        <source>closing Tessary</source>
        <translation>de fermer Tessary</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Annuler : %1</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Rétablir : %1</translation>
    </message>
    <message>
        <source>The %1 can&apos;t be undone: it is larger than the undo history holds</source>
        <translation>%1 ne peut pas être annulé : c&apos;est plus que l&apos;historique ne peut contenir</translation>
    </message>
    <message>
        <source>revert of %1</source>
        <translation>retour de %1</translation>
    </message>
    <message>
        <source>restore of the original of %1</source>
        <translation>rétablissement de l&apos;original de %1</translation>
    </message>
    <message>
        <source>Undone: %1</source>
        <translation>Annulé : %1</translation>
    </message>
    <message>
        <source>Redone: %1</source>
        <translation>Rétabli : %1</translation>
    </message>
    <message>
        <source>The image index has changes</source>
        <translation>L&apos;index des images a des modifications</translation>
    </message>
    <message>
        <source>These pictures have changes</source>
        <translation>Ces images ont des modifications</translation>
    </message>
    <message>
        <source>%1 not yet applied to the game folder.

Apply them before %2?</source>
        <translation>%1 pas encore appliquées au dossier du jeu.

Les appliquer avant %2 ?</translation>
    </message>
    <message>
        <source>the system&apos;s program for .png files</source>
        <translation>le programme du système pour les fichiers .png</translation>
    </message>
    <message>
        <source>&quot;Edit in image editor…&quot; opens pictures in %1.

Open them in:</source>
        <translation>« Modifier dans l&apos;éditeur d&apos;images… » ouvre les images dans %1.

Les ouvrir dans :</translation>
    </message>
    <message>
        <source>The system&apos;s program</source>
        <translation>Le programme du système</translation>
    </message>
    <message>
        <source>A program of my choice…</source>
        <translation>Un programme de mon choix…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>edit of %1 in the image editor</source>
        <translation>retouche de %1 dans l&apos;éditeur d&apos;images</translation>
    </message>
    <message>
        <source>%1 read back from the image editor</source>
        <translation>%1 relu depuis l&apos;éditeur d&apos;images</translation>
    </message>
    <message>
        <source>import</source>
        <translation>import</translation>
    </message>
    <message>
        <source>No picture imported</source>
        <translation>Aucune image importée</translation>
    </message>
    <message>
        <source>Apply All Changes</source>
        <translation>Tout appliquer</translation>
    </message>
    <message>
        <source>Change GP4 Path</source>
        <translation>Dossier GP4…</translation>
    </message>
    <message>
        <source>Save all images to .tga</source>
        <translation>Tout exporter en .tga</translation>
    </message>
    <message>
        <source>Image Size :</source>
        <translation>Taille :</translation>
    </message>
    <message>
        <source>Thumbnail Size:</source>
        <translation>Vignettes :</translation>
    </message>
    <message>
        <source>Images Workshop</source>
        <translation>Images</translation>
    </message>
    <message>
        <source>Fonts Workshop</source>
        <translation>Polices</translation>
    </message>
    <message>
        <source>Load image from a .tga file</source>
        <translation>Charger l&apos;image depuis un fichier .tga</translation>
    </message>
    <message>
        <source>Save image to a .tga file</source>
        <translation>Enregistrer l&apos;image dans un fichier .tga</translation>
    </message>
    <message>
        <source>My menu mod</source>
        <translation>Mon mod de menu</translation>
    </message>
    <message>
        <source>installation of %1</source>
        <translation>installation de %1</translation>
    </message>
    <message>
        <source>uninstalling of %1</source>
        <translation>désinstallation de %1</translation>
    </message>
    <message>
        <source>The mod &quot;%1&quot; is uninstalled as changes to apply; &quot;Apply All Changes&quot; writes them into the game folder.</source>
        <translation>Le mod « %1 » est désinstallé, mais pas encore appliqué ; « Tout appliquer » l&apos;inscrit dans le dossier du jeu.</translation>
    </message>
    <message>
        <source>changing the game folder</source>
        <translation>de changer de dossier de jeu</translation>
    </message>
    <message>
        <source>Another program changed these files since Tessary loaded them:
%1

Replace them with your changes?</source>
        <translation>Un autre programme a modifié ces fichiers depuis que Tessary les a chargés :
%1

Les remplacer par vos modifications ?</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Remplacer</translation>
    </message>
    <message>
        <source>Nothing to write: no picture has changed</source>
        <translation>Rien à écrire : aucune image n&apos;a changé</translation>
    </message>
    <message>
        <source>Another program changed these files since Tessary loaded them; they were left as they are:
%1</source>
        <translation>Un autre programme a modifié ces fichiers depuis que Tessary les a chargés ; ils ont été laissés tels quels :
%1</translation>
    </message>
    <message>
        <source>%1: the settings can&apos;t be written</source>
        <translation>%1 : les réglages ne peuvent pas être enregistrés</translation>
    </message>
    <message>
        <source>import of %1</source>
        <translation>import de %1</translation>
    </message>
    <message>
        <source>the record of installed mods</source>
        <translation>la liste des mods installés</translation>
    </message>
    <message>
        <source>the mods can&apos;t be installed or uninstalled: %1</source>
        <translation>les mods ne peuvent être ni installés ni désinstallés : %1</translation>
    </message>
    <message>
        <source>Saves every image into a folder, as .tga or .png files</source>
        <translation>Enregistre toutes les images dans un dossier, en fichiers .tga ou .png</translation>
    </message>
    <message>
        <source>Takes a .tga or .png file in place of the picture</source>
        <translation>Remplace l&apos;image par un fichier .tga ou .png</translation>
    </message>
    <message>
        <source>Saves the picture as a .tga or .png file</source>
        <translation>Enregistre l&apos;image en fichier .tga ou .png</translation>
    </message>
    <message>
        <source>The image editor&apos;s save of %1 was not taken: %2</source>
        <translation>L&apos;enregistrement de %1 par l&apos;éditeur d&apos;images n&apos;a pas été repris : %2</translation>
    </message>
    <message numerus="yes">
        <source>import of %n pictures</source>
        <translation>
            <numerusform>import de %n image</numerusform>
            <numerusform>import de %n images</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n pictures imported</source>
        <translation>
            <numerusform>%n image importée</numerusform>
            <numerusform>%n images importées</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n images and %1 font sheets loaded</source>
        <translation>
            <numerusform>%n image et %1 planches de police chargées</numerusform>
            <numerusform>%n images et %1 planches de police chargées</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files written to the game folder</source>
        <translation>
            <numerusform>%n fichier écrit dans le dossier du jeu</numerusform>
            <numerusform>%n fichiers écrits dans le dossier du jeu</numerusform>
        </translation>
    </message>
    <message>
        <source>Game folder: %1</source>
        <translation>Dossier du jeu : %1</translation>
    </message>
    <message>
        <source>%1
Click to open it in the file manager.</source>
        <translation>%1
Cliquez pour l&apos;ouvrir dans le gestionnaire de fichiers.</translation>
    </message>
    <message>
        <source>The file manager could not be started to show %1.</source>
        <translation>Le gestionnaire de fichiers n&apos;a pas pu être lancé pour afficher %1.</translation>
    </message>
    <message>
        <source>%1 (&quot;%2&quot;)</source>
        <translation>%1 (« %2 »)</translation>
    </message>
    <message>
        <source>
Left out, as installed mods set them: %1</source>
        <translation>
Laissées de côté, car des mods installés les fournissent : %1</translation>
    </message>
    <message numerus="yes">
        <source>Saved %n pictures as the mod package %1:
%2</source>
        <translation>
            <numerusform>%n image enregistrée dans le paquet de mod %1 :
%2</numerusform>
            <numerusform>%n images enregistrées dans le paquet de mod %1 :
%2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>
%n pictures go back to what lies below: %1</source>
        <translation>
            <numerusform>
%n image revient à ce qui se trouve dessous : %1</numerusform>
            <numerusform>
%n images reviennent à ce qui se trouve dessous : %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>
%n pictures stay as they are, covered since: %1</source>
        <translation>
            <numerusform>
%n image reste telle quelle, recouverte depuis : %1</numerusform>
            <numerusform>
%n images restent telles quelles, recouvertes depuis : %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n images saved</source>
        <translation>
            <numerusform>%n image enregistrée</numerusform>
            <numerusform>%n images enregistrées</numerusform>
        </translation>
    </message>
    <message>
        <source>switching on of %1</source>
        <translation>activation de %1</translation>
    </message>
    <message>
        <source>switching off of %1</source>
        <translation>désactivation de %1</translation>
    </message>
    <message>
        <source>moving of %1</source>
        <translation>déplacement de %1</translation>
    </message>
    <message>
        <source>saving of the profile %1</source>
        <translation>enregistrement du profil %1</translation>
    </message>
    <message>
        <source>switching to the profile %1</source>
        <translation>passage au profil %1</translation>
    </message>
</context>
<context>
    <name>TFormInstallPreview</name>
    <message>
        <source>. Installing makes these changes in Tessary; &quot;Apply All Changes&quot; writes them into the game folder.</source>
        <translation>. L&apos;installation fait ces modifications dans Tessary ; « Tout appliquer » les écrit dans le dossier du jeu.</translation>
    </message>
    <message>
        <source>Install the mod &quot;%1&quot;?</source>
        <translation>Installer le mod « %1 » ?</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Installer</translation>
    </message>
    <message numerus="yes">
        <source>%n pictures change</source>
        <translation>
            <numerusform>%n image change</numerusform>
            <numerusform>%n images changent</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; %n are the same already</source>
        <translation>
            <numerusform>; %n est déjà identique</numerusform>
            <numerusform>; %n sont déjà identiques</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TFormInstalledMods</name>
    <message>
        <source>No mod is installed in this game folder.</source>
        <translation>Aucun mod n&apos;est installé dans ce dossier du jeu.</translation>
    </message>
    <message>
        <source>Mod</source>
        <translation>Mod</translation>
    </message>
    <message>
        <source>Author</source>
        <translation>Auteur</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Images</translation>
    </message>
    <message>
        <source>Covered</source>
        <translation>Recouvertes</translation>
    </message>
    <message>
        <source>Installed</source>
        <translation>Installé</translation>
    </message>
    <message>
        <source>Uninstall</source>
        <translation>Désinstaller</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Installed %1 from %2.</source>
        <translation>Installé le %1 depuis %2.</translation>
    </message>
    <message>
        <source>None of its pictures is covered by a later mod or an edit.</source>
        <translation>Aucune de ses images n&apos;est recouverte par un mod plus récent ou une retouche.</translation>
    </message>
    <message>
        <source>Covered since: %1. Uninstalling leaves these as they are.</source>
        <translation>Recouvertes depuis : %1. La désinstallation les laisse telles quelles.</translation>
    </message>
    <message>
        <source>The mods of this game folder: where two set a picture, the lower one in the list shows.</source>
        <translation>Les mods de ce dossier de jeu : quand deux fixent la même image, c&apos;est celle du plus bas dans la liste qui s&apos;affiche.</translation>
    </message>
    <message>
        <source>Changes not yet applied: &quot;Apply All Changes&quot; writes them into the game folder.</source>
        <translation>Modifications pas encore appliquées : « Tout appliquer » les écrit dans le dossier du jeu.</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Monter</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Descendre</translation>
    </message>
    <message>
        <source>Switched off: its pictures don&apos;t show; switch it on to show them again.</source>
        <translation>Désactivé : ses images ne s&apos;affichent pas ; activez-le pour les afficher de nouveau.</translation>
    </message>
    <message>
        <source>Set by other mods too: %1</source>
        <translation>Fixées aussi par d&apos;autres mods : %1</translation>
    </message>
    <message>
        <source>Install…</source>
        <translation>Installer…</translation>
    </message>
    <message>
        <source>From an archive…</source>
        <translation>Depuis une archive…</translation>
    </message>
    <message>
        <source>From a folder…</source>
        <translation>Depuis un dossier…</translation>
    </message>
    <message>
        <source>State</source>
        <translation>État</translation>
    </message>
    <message>
        <source>to apply</source>
        <translation>à appliquer</translation>
    </message>
    <message>
        <source>applied</source>
        <translation>appliqué</translation>
    </message>
    <message>
        <source>Profile:</source>
        <translation>Profil :</translation>
    </message>
    <message>
        <source>(none in use)</source>
        <translation>(aucun en cours)</translation>
    </message>
    <message>
        <source>Save as profile…</source>
        <translation>Enregistrer comme profil…</translation>
    </message>
    <message>
        <source>Keep the mods on now, in their order, as the profile:</source>
        <translation>Enregistrer les mods actifs, dans leur ordre, comme le profil :</translation>
    </message>
</context>
<context>
    <name>TFormModPackage</name>
    <message>
        <source>Name:</source>
        <translation>Nom :</translation>
    </message>
    <message>
        <source>Author:</source>
        <translation>Auteur :</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Description :</translation>
    </message>
    <message>
        <source>Save…</source>
        <translation>Enregistrer…</translation>
    </message>
    <message>
        <source>Every picture of your own that differs from the game&apos;s original goes into the package, with your changes not yet applied.</source>
        <translation>Chacune de vos images qui diffère de l&apos;original du jeu entre dans le paquet, y compris vos modifications pas encore appliquées.</translation>
    </message>
    <message>
        <source>Pictures that installed mods set are their authors&apos; work: without this they stay out of the package; with it, the manifest names each one&apos;s mod and author.</source>
        <translation>Les images que fournissent des mods installés sont l&apos;œuvre de leurs auteurs : sans cela, elles restent hors du paquet ; avec, le manifeste nomme le mod et l&apos;auteur de chacune.</translation>
    </message>
    <message numerus="yes">
        <source>Include %n pictures of installed mods, crediting their mods</source>
        <translation>
            <numerusform>Inclure %n image d&apos;un mod installé, en citant son mod</numerusform>
            <numerusform>Inclure %n images de mods installés, en citant leurs mods</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TFormPreview</name>
    <message>
        <source>Tessary&apos;s picture</source>
        <translation>Image de Tessary</translation>
    </message>
    <message>
        <source>Game folder&apos;s file</source>
        <translation>Fichier du dossier du jeu</translation>
    </message>
    <message>
        <source>Game&apos;s original</source>
        <translation>Original du jeu</translation>
    </message>
    <message>
        <source>Game folder</source>
        <translation>Dossier du jeu</translation>
    </message>
    <message>
        <source>Show the game folder&apos;s file (hold Space)</source>
        <translation>Afficher le fichier du dossier du jeu (maintenir Espace)</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>Original</translation>
    </message>
    <message>
        <source>Show the game&apos;s original (hold Shift + Space)</source>
        <translation>Afficher l&apos;original du jeu (maintenir Maj + Espace)</translation>
    </message>
    <message>
        <source>x %1, y %2</source>
        <translation>x %1, y %2</translation>
    </message>
    <message>
        <source>R %1 G %2 B %3 A %4</source>
        <translation>R %1 V %2 B %3 A %4</translation>
    </message>
    <message>
        <source>no pixel data</source>
        <translation>aucune donnée de pixels</translation>
    </message>
</context>
</TS>
