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
        <source>the archive is damaged</source>
        <translation>l&apos;archive est endommagée</translation>
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
        <source>%1 true-colour .tga files can&apos;t be read</source>
        <translation>les fichiers .tga en couleurs vraies %1 ne peuvent pas être lus</translation>
    </message>
    <message>
        <source>save the picture with 24 or 32 bits per pixel</source>
        <translation>enregistrez l&apos;image en 24 ou 32 bits par pixel</translation>
    </message>
    <message>
        <source>Sorry but Tessary can&apos;t read RLE encoded .tga files.</source>
        <translation>Désolé, Tessary ne sait pas lire les fichiers .tga compressés en RLE.</translation>
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
        <source>Please select a folder</source>
        <translation>Veuillez choisir un dossier</translation>
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
        <translation>Rétablir l&apos;original du jeu</translation>
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
        <source>Installed mods…</source>
        <translation>Mods installés…</translation>
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
</context>
<context>
    <name>QtDialogs</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Save as:</source>
        <translation>Enregistrer en :</translation>
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
        <source>1 picture imported</source>
        <translation>1 image importée</translation>
    </message>
    <message>
        <source>%1 pictures imported</source>
        <translation>%1 images importées</translation>
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
        <source>Saved %1 as the mod package %2:
%3</source>
        <translation>%1 enregistrée(s) dans le paquet de mod %2 :
%3</translation>
    </message>
    <message>
        <source>1 picture</source>
        <translation>1 image</translation>
    </message>
    <message>
        <source>%1 pictures</source>
        <translation>%1 images</translation>
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
        <translation>Le mod « %1 » est désinstallé sous forme de modifications à appliquer ; « Tout appliquer » les écrit dans le dossier du jeu.</translation>
    </message>
    <message>
        <source>
%1 back to what lies below: %2</source>
        <translation>
%1 à ce qui se trouve dessous : %2</translation>
    </message>
    <message>
        <source>1 picture goes</source>
        <translation>1 image revient</translation>
    </message>
    <message>
        <source>%1 pictures go</source>
        <translation>%1 images reviennent</translation>
    </message>
    <message>
        <source>
%1 as it is, covered since: %2</source>
        <translation>
%1 tel(les) quel(les), recouverte(s) depuis : %2</translation>
    </message>
    <message>
        <source>1 picture stays</source>
        <translation>1 image reste</translation>
    </message>
    <message>
        <source>%1 pictures stay</source>
        <translation>%1 images restent</translation>
    </message>
    <message>
        <source>changing the game folder</source>
        <translation>de changer de dossier de jeu</translation>
    </message>
    <message>
        <source>%1 images and %2 font sheets loaded</source>
        <translation>%1 images et %2 planches de police chargées</translation>
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
        <source>1 file written to the game folder</source>
        <translation>1 fichier écrit dans le dossier du jeu</translation>
    </message>
    <message>
        <source>%1 files written to the game folder</source>
        <translation>%1 fichiers écrits dans le dossier du jeu</translation>
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
        <source>1 image saved</source>
        <translation>1 image enregistrée</translation>
    </message>
    <message>
        <source>%1 images saved</source>
        <translation>%1 images enregistrées</translation>
    </message>
    <message>
        <source>import of %1</source>
        <translation>import de %1</translation>
    </message>
</context>
<context>
    <name>TFormInstallPreview</name>
    <message>
        <source>1 picture changes</source>
        <translation>1 image change</translation>
    </message>
    <message>
        <source>%1 pictures change</source>
        <translation>%1 images changent</translation>
    </message>
    <message>
        <source>; 1 is the same already</source>
        <translation>; 1 est déjà identique</translation>
    </message>
    <message>
        <source>; %1 are the same already</source>
        <translation>; %1 sont déjà identiques</translation>
    </message>
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
</context>
<context>
    <name>TFormInstalledMods</name>
    <message>
        <source>No mod is installed in this game folder.</source>
        <translation>Aucun mod n&apos;est installé dans ce dossier du jeu.</translation>
    </message>
    <message>
        <source>Installed mods, the last installed at the bottom:</source>
        <translation>Mods installés, le dernier installé en bas :</translation>
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
</context>
<context>
    <name>TFormModPackage</name>
    <message>
        <source>Every picture that differs from the game&apos;s original goes into the package, with your changes not yet applied.</source>
        <translation>Chaque image qui diffère de l&apos;original du jeu entre dans le paquet, y compris vos modifications pas encore appliquées.</translation>
    </message>
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
        <translation>R %1 G %2 B %3 A %4</translation>
    </message>
    <message>
        <source>no pixel data</source>
        <translation>aucune donnée de pixels</translation>
    </message>
</context>
</TS>
