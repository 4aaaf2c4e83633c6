<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>CoreMessages</name>
    <message>
        <source>file not found</source>
        <translation>file non trovato</translation>
    </message>
    <message>
        <source>folder not found</source>
        <translation>cartella non trovata</translation>
    </message>
    <message>
        <source>access denied</source>
        <translation>accesso negato</translation>
    </message>
    <message>
        <source>reading beyond the end of the file</source>
        <translation>lettura oltre la fine del file</translation>
    </message>
    <message>
        <source>disk full</source>
        <translation>disco pieno</translation>
    </message>
    <message>
        <source>the file system is read-only</source>
        <translation>il file system è di sola lettura</translation>
    </message>
    <message>
        <source>is a folder, not a file</source>
        <translation>è una cartella, non un file</translation>
    </message>
    <message>
        <source>is a file, not a folder</source>
        <translation>è un file, non una cartella</translation>
    </message>
    <message>
        <source>is not a folder</source>
        <translation>non è una cartella</translation>
    </message>
    <message>
        <source>is not a regular file (a pipe or a device)</source>
        <translation>non è un file normale (una pipe o un dispositivo)</translation>
    </message>
    <message>
        <source>is a symbolic link, which Tessary does not follow</source>
        <translation>è un collegamento simbolico, che Tessary non segue</translation>
    </message>
    <message>
        <source>the path is too long</source>
        <translation>il percorso è troppo lungo</translation>
    </message>
    <message>
        <source>the file is in use by another program</source>
        <translation>il file è in uso da un altro programma</translation>
    </message>
    <message>
        <source>nothing was changed</source>
        <translation>non è stato modificato nulla</translation>
    </message>
    <message>
        <source>nothing was written</source>
        <translation>non è stato scritto nulla</translation>
    </message>
    <message>
        <source>error code %1 (%2)</source>
        <translation>codice di errore %1 (%2)</translation>
    </message>
    <message>
        <source>another program changed this file since Tessary loaded them: %1</source>
        <translation>un altro programma ha modificato questo file da quando Tessary lo ha caricato: %1</translation>
    </message>
    <message>
        <source>another program changed these files since Tessary loaded them: %1</source>
        <translation>un altro programma ha modificato questi file da quando Tessary li ha caricati: %1</translation>
    </message>
    <message>
        <source>another program changed the record of installed mods since Tessary read it</source>
        <translation>un altro programma ha modificato l&apos;elenco delle mod installate da quando Tessary l&apos;ha letto</translation>
    </message>
    <message>
        <source>another program is writing this game folder</source>
        <translation>un altro programma sta scrivendo in questa cartella del gioco</translation>
    </message>
    <message>
        <source>another program is reading this game folder</source>
        <translation>un altro programma sta leggendo questa cartella del gioco</translation>
    </message>
    <message>
        <source>try again when it has finished</source>
        <translation>riprova quando avrà finito</translation>
    </message>
    <message>
        <source>try again in a moment</source>
        <translation>riprova tra un momento</translation>
    </message>
    <message>
        <source>the files already replaced were put back, so nothing was changed</source>
        <translation>i file già sostituiti sono stati rimessi al loro posto, quindi non è stato modificato nulla</translation>
    </message>
    <message>
        <source>the game folder is not loaded completely</source>
        <translation>la cartella del gioco non è caricata completamente</translation>
    </message>
    <message>
        <source>holds fewer pixels than its byte count</source>
        <translation>contiene meno pixel di quanti ne indichi il numero di byte</translation>
    </message>
    <message>
        <source>this program reads no .png files</source>
        <translation>questo programma non legge file .png</translation>
    </message>
    <message>
        <source>the archive is damaged</source>
        <translation>l&apos;archivio è danneggiato</translation>
    </message>
    <message>
        <source>there is no menu image number %1</source>
        <translation>non esiste l&apos;immagine di menu numero %1</translation>
    </message>
    <message>
        <source>there is no font number %1</source>
        <translation>non esiste il font numero %1</translation>
    </message>
    <message>
        <source>%1 true-colour .tga files can&apos;t be read</source>
        <translation>i file .tga true color a %1 non possono essere letti</translation>
    </message>
    <message>
        <source>save the picture with 24 or 32 bits per pixel</source>
        <translation>salva l&apos;immagine a 24 o 32 bit per pixel</translation>
    </message>
    <message>
        <source>Sorry but Tessary can&apos;t read RLE encoded .tga files.</source>
        <translation>Spiacenti, Tessary non può leggere file .tga con compressione RLE.</translation>
    </message>
</context>
<context>
    <name>ExternalEditor</name>
    <message>
        <source>No program opens .png files on this system; choose one with &quot;Choose image editor…&quot;.</source>
        <translation>Nessun programma apre i file .png su questo sistema; scegline uno con «Scegli l&apos;editor di immagini…».</translation>
    </message>
    <message>
        <source>%1 can&apos;t be started.</source>
        <translation>%1 non può essere avviato.</translation>
    </message>
</context>
<context>
    <name>GameFolder</name>
    <message>
        <source>the value could not be recorded</source>
        <translation>non è stato possibile salvare il valore</translation>
    </message>
    <message>
        <source>Please choose your GP4 folder</source>
        <translation>Scegli la cartella di GP4</translation>
    </message>
    <message>
        <source>Sorry but this is not a valid GP4.exe file. Image folder can&apos;t be found</source>
        <translation>Spiacenti, questo non è un file GP4.exe valido. La cartella delle immagini non è stata trovata</translation>
    </message>
    <message>
        <source>The game folder is recorded in Tessary&apos;s settings (%1), as %2 can&apos;t be changed (%3).</source>
        <translation>La cartella del gioco è salvata nelle impostazioni di Tessary (%1), perché %2 non può essere modificato (%3).</translation>
    </message>
    <message>
        <source>%1: the game folder can&apos;t be recorded (%2)</source>
        <translation>%1: la cartella del gioco non può essere salvata (%2)</translation>
    </message>
    <message>
        <source>; %1: neither (%2)</source>
        <translation>; %1: nemmeno (%2)</translation>
    </message>
</context>
<context>
    <name>ModViews</name>
    <message>
        <source>a Tessary mod package</source>
        <translation>un pacchetto mod di Tessary</translation>
    </message>
    <message>
        <source>laid out as the game folder</source>
        <translation>organizzato come la cartella del gioco</translation>
    </message>
    <message>
        <source>a set of pictures</source>
        <translation>una raccolta di immagini</translation>
    </message>
    <message>
        <source>By %1, </source>
        <translation>Di %1, </translation>
    </message>
    <message>
        <source>, from %1.</source>
        <translation>, da %1.</translation>
    </message>
    <message>
        <source>the same as the picture there now</source>
        <translation>uguale all&apos;immagine attuale</translation>
    </message>
    <message>
        <source>replaces your change not yet applied
(uninstalling the mod gives it back)</source>
        <translation>sostituisce la tua modifica non ancora applicata
(disinstallare la mod la ripristina)</translation>
    </message>
    <message>
        <source>replaces your own picture
(uninstalling the mod gives it back)</source>
        <translation>sostituisce la tua immagine
(disinstallare la mod la ripristina)</translation>
    </message>
    <message>
        <source>covers the picture of the mod &quot;%1&quot;</source>
        <translation>copre l&apos;immagine della mod «%1»</translation>
    </message>
    <message>
        <source>an edit</source>
        <translation>una modifica</translation>
    </message>
    <message>
        <source>%1 (by %2)</source>
        <translation>%1 (da %2)</translation>
    </message>
</context>
<context>
    <name>PictureTip</name>
    <message>
        <source>Changed in Tessary, not yet applied</source>
        <translation>Modificata in Tessary, non ancora applicata</translation>
    </message>
    <message>
        <source>As the game folder holds it</source>
        <translation>Come nella cartella del gioco</translation>
    </message>
    <message>
        <source>Differs from the game&apos;s original</source>
        <translation>Diversa dall&apos;originale del gioco</translation>
    </message>
    <message>
        <source>The game&apos;s original</source>
        <translation>L&apos;originale del gioco</translation>
    </message>
    <message>
        <source>Can&apos;t be compared with the game&apos;s original: %1</source>
        <translation>Impossibile confrontare con l&apos;originale del gioco: %1</translation>
    </message>
    <message>
        <source>Image %1 (%1.gpi)</source>
        <translation>Immagine %1 (%1.gpi)</translation>
    </message>
    <message>
        <source>%1 × %2 pixels, %3 bytes</source>
        <translation>%1 × %2 pixel, %3 byte</translation>
    </message>
    <message>
        <source>Font sheet %1 (%2)</source>
        <translation>Foglio font %1 (%2)</translation>
    </message>
    <message>
        <source>256 × 256 pixels, %1 bytes</source>
        <translation>256 × 256 pixel, %1 byte</translation>
    </message>
</context>
<context>
    <name>ProgramTexts</name>
    <message>
        <source>Pictures (*.tga *.png)</source>
        <translation>Immagini (*.tga *.png)</translation>
    </message>
    <message>
        <source>Please select a folder</source>
        <translation>Seleziona una cartella</translation>
    </message>
    <message>
        <source>Please choose a folder where all .tga files will be saved.</source>
        <translation>Scegli la cartella in cui salvare tutti i file .tga.</translation>
    </message>
    <message>
        <source>Please choose the folder that holds the pictures to load.</source>
        <translation>Scegli la cartella che contiene le immagini da caricare.</translation>
    </message>
    <message>
        <source>Load all images from a folder…</source>
        <translation>Carica tutte le immagini da una cartella…</translation>
    </message>
    <message>
        <source>Load all font sheets from a folder…</source>
        <translation>Carica tutti i fogli font da una cartella…</translation>
    </message>
    <message>
        <source>Revert to the game folder&apos;s file</source>
        <translation>Ripristina il file della cartella del gioco</translation>
    </message>
    <message>
        <source>Restore the game&apos;s original</source>
        <translation>Ripristina l&apos;originale del gioco</translation>
    </message>
    <message>
        <source>Edit in image editor…</source>
        <translation>Modifica nell&apos;editor di immagini…</translation>
    </message>
    <message>
        <source>Choose image editor…</source>
        <translation>Scegli l&apos;editor di immagini…</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Ripeti</translation>
    </message>
    <message>
        <source>Save changes as a mod package…</source>
        <translation>Salva le modifiche come pacchetto mod…</translation>
    </message>
    <message>
        <source>Install mod…</source>
        <translation>Installa mod…</translation>
    </message>
    <message>
        <source>Installed mods…</source>
        <translation>Mod installate…</translation>
    </message>
    <message>
        <source>Tessary mod package (*.zip)</source>
        <translation>Pacchetto mod di Tessary (*.zip)</translation>
    </message>
    <message>
        <source>Mods (*.zip *.7z *.rar *.tar *.tar.gz *.tgz *.tar.bz2 *.tbz2 *.tar.xz *.txz)</source>
        <translation>Mod (*.zip *.7z *.rar *.tar *.tar.gz *.tgz *.tar.bz2 *.tbz2 *.tar.xz *.txz)</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Applica</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Scarta</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
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
        <translation>Salva come:</translation>
    </message>
    <message>
        <source>Programs (*.exe);;All files (*)</source>
        <translation>Programmi (*.exe);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tutti i file (*)</translation>
    </message>
    <message>
        <source>Choose the image editor</source>
        <translation>Scegli l&apos;editor di immagini</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>access denied</source>
        <translation>accesso negato</translation>
    </message>
    <message>
        <source>the file is not a valid settings file</source>
        <translation>il file non è un file di impostazioni valido</translation>
    </message>
</context>
<context>
    <name>TChannelToggle</name>
    <message>
        <source>Alpha Layer</source>
        <translation>Canale alfa</translation>
    </message>
    <message>
        <source>RGB Layers</source>
        <translation>Canali RGB</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Not enough memory to finish the command.</source>
        <translation>Memoria insufficiente per completare il comando.</translation>
    </message>
    <message>
        <source>Tessary closes when this work ends…</source>
        <translation>Tessary si chiuderà al termine di questo lavoro…</translation>
    </message>
    <message>
        <source>closing Tessary</source>
        <translation>di chiudere Tessary</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Annulla: %1</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Ripeti: %1</translation>
    </message>
    <message>
        <source>The %1 can&apos;t be undone: it is larger than the undo history holds</source>
        <translation>%1 non può essere annullato: supera la capacità della cronologia</translation>
    </message>
    <message>
        <source>revert of %1</source>
        <translation>ripristino di %1</translation>
    </message>
    <message>
        <source>restore of the original of %1</source>
        <translation>ripristino dell&apos;originale di %1</translation>
    </message>
    <message>
        <source>Undone: %1</source>
        <translation>Annullato: %1</translation>
    </message>
    <message>
        <source>Redone: %1</source>
        <translation>Ripetuto: %1</translation>
    </message>
    <message>
        <source>The image index has changes</source>
        <translation>L&apos;indice delle immagini ha modifiche</translation>
    </message>
    <message>
        <source>These pictures have changes</source>
        <translation>Queste immagini hanno modifiche</translation>
    </message>
    <message>
        <source>%1 not yet applied to the game folder.

Apply them before %2?</source>
        <translation>%1 non ancora applicate alla cartella del gioco.

Applicarle prima %2?</translation>
    </message>
    <message>
        <source>the system&apos;s program for .png files</source>
        <translation>il programma di sistema per i file .png</translation>
    </message>
    <message>
        <source>&quot;Edit in image editor…&quot; opens pictures in %1.

Open them in:</source>
        <translation>«Modifica nell&apos;editor di immagini…» apre le immagini in %1.

Aprirle in:</translation>
    </message>
    <message>
        <source>The system&apos;s program</source>
        <translation>Il programma di sistema</translation>
    </message>
    <message>
        <source>A program of my choice…</source>
        <translation>Un programma a mia scelta…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>edit of %1 in the image editor</source>
        <translation>modifica di %1 nell&apos;editor di immagini</translation>
    </message>
    <message>
        <source>%1 read back from the image editor</source>
        <translation>%1 riletto dall&apos;editor di immagini</translation>
    </message>
    <message>
        <source>import</source>
        <translation>importazione</translation>
    </message>
    <message>
        <source>No picture imported</source>
        <translation>Nessuna immagine importata</translation>
    </message>
    <message>
        <source>1 picture imported</source>
        <translation>1 immagine importata</translation>
    </message>
    <message>
        <source>%1 pictures imported</source>
        <translation>%1 immagini importate</translation>
    </message>
    <message>
        <source>Apply All Changes</source>
        <translation>Applica tutto</translation>
    </message>
    <message>
        <source>Change GP4 Path</source>
        <translation>Cartella GP4…</translation>
    </message>
    <message>
        <source>Save all images to .tga</source>
        <translation>Salva tutto in .tga</translation>
    </message>
    <message>
        <source>Image Size :</source>
        <translation>Dimensioni:</translation>
    </message>
    <message>
        <source>Thumbnail Size:</source>
        <translation>Miniature:</translation>
    </message>
    <message>
        <source>Images Workshop</source>
        <translation>Immagini</translation>
    </message>
    <message>
        <source>Fonts Workshop</source>
        <translation>Font</translation>
    </message>
    <message>
        <source>Load image from a .tga file</source>
        <translation>Carica l&apos;immagine da un file .tga</translation>
    </message>
    <message>
        <source>Save image to a .tga file</source>
        <translation>Salva l&apos;immagine in un file .tga</translation>
    </message>
    <message>
        <source>My menu mod</source>
        <translation>La mia mod del menu</translation>
    </message>
    <message>
        <source>Saved %1 as the mod package %2:
%3</source>
        <translation>%1 salvate nel pacchetto mod %2:
%3</translation>
    </message>
    <message>
        <source>1 picture</source>
        <translation>1 immagine</translation>
    </message>
    <message>
        <source>%1 pictures</source>
        <translation>%1 immagini</translation>
    </message>
    <message>
        <source>installation of %1</source>
        <translation>installazione di %1</translation>
    </message>
    <message>
        <source>uninstalling of %1</source>
        <translation>disinstallazione di %1</translation>
    </message>
    <message>
        <source>The mod &quot;%1&quot; is uninstalled as changes to apply; &quot;Apply All Changes&quot; writes them into the game folder.</source>
        <translation>La mod «%1» è disinstallata come modifiche da applicare; «Applica tutto» le scrive nella cartella del gioco.</translation>
    </message>
    <message>
        <source>
%1 back to what lies below: %2</source>
        <translation>
%1 a ciò che sta sotto: %2</translation>
    </message>
    <message>
        <source>1 picture goes</source>
        <translation>1 immagine torna</translation>
    </message>
    <message>
        <source>%1 pictures go</source>
        <translation>%1 immagini tornano</translation>
    </message>
    <message>
        <source>
%1 as it is, covered since: %2</source>
        <translation>
%1 com&apos;è, coperta da allora: %2</translation>
    </message>
    <message>
        <source>1 picture stays</source>
        <translation>1 immagine resta</translation>
    </message>
    <message>
        <source>%1 pictures stay</source>
        <translation>%1 immagini restano</translation>
    </message>
    <message>
        <source>changing the game folder</source>
        <translation>di cambiare cartella del gioco</translation>
    </message>
    <message>
        <source>%1 images and %2 font sheets loaded</source>
        <translation>%1 immagini e %2 fogli font caricati</translation>
    </message>
    <message>
        <source>Another program changed these files since Tessary loaded them:
%1

Replace them with your changes?</source>
        <translation>Un altro programma ha modificato questi file da quando Tessary li ha caricati:
%1

Sostituirli con le tue modifiche?</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Sostituisci</translation>
    </message>
    <message>
        <source>Nothing to write: no picture has changed</source>
        <translation>Niente da scrivere: nessuna immagine è cambiata</translation>
    </message>
    <message>
        <source>1 file written to the game folder</source>
        <translation>1 file scritto nella cartella del gioco</translation>
    </message>
    <message>
        <source>%1 files written to the game folder</source>
        <translation>%1 file scritti nella cartella del gioco</translation>
    </message>
    <message>
        <source>Another program changed these files since Tessary loaded them; they were left as they are:
%1</source>
        <translation>Un altro programma ha modificato questi file da quando Tessary li ha caricati; sono stati lasciati come sono:
%1</translation>
    </message>
    <message>
        <source>%1: the settings can&apos;t be written</source>
        <translation>%1: le impostazioni non possono essere salvate</translation>
    </message>
    <message>
        <source>1 image saved</source>
        <translation>1 immagine salvata</translation>
    </message>
    <message>
        <source>%1 images saved</source>
        <translation>%1 immagini salvate</translation>
    </message>
    <message>
        <source>import of %1</source>
        <translation>importazione di %1</translation>
    </message>
</context>
<context>
    <name>TFormInstallPreview</name>
    <message>
        <source>1 picture changes</source>
        <translation>1 immagine cambia</translation>
    </message>
    <message>
        <source>%1 pictures change</source>
        <translation>%1 immagini cambiano</translation>
    </message>
    <message>
        <source>; 1 is the same already</source>
        <translation>; 1 è già uguale</translation>
    </message>
    <message>
        <source>; %1 are the same already</source>
        <translation>; %1 sono già uguali</translation>
    </message>
    <message>
        <source>. Installing makes these changes in Tessary; &quot;Apply All Changes&quot; writes them into the game folder.</source>
        <translation>. L&apos;installazione fa queste modifiche in Tessary; «Applica tutto» le scrive nella cartella del gioco.</translation>
    </message>
    <message>
        <source>Install the mod &quot;%1&quot;?</source>
        <translation>Installare la mod «%1»?</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Installa</translation>
    </message>
</context>
<context>
    <name>TFormInstalledMods</name>
    <message>
        <source>No mod is installed in this game folder.</source>
        <translation>Nessuna mod è installata in questa cartella del gioco.</translation>
    </message>
    <message>
        <source>Installed mods, the last installed at the bottom:</source>
        <translation>Mod installate, l&apos;ultima installata in fondo:</translation>
    </message>
    <message>
        <source>Mod</source>
        <translation>Mod</translation>
    </message>
    <message>
        <source>Author</source>
        <translation>Autore</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Immagini</translation>
    </message>
    <message>
        <source>Covered</source>
        <translation>Coperte</translation>
    </message>
    <message>
        <source>Installed</source>
        <translation>Installata</translation>
    </message>
    <message>
        <source>Uninstall</source>
        <translation>Disinstalla</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Installed %1 from %2.</source>
        <translation>Installata il %1 da %2.</translation>
    </message>
    <message>
        <source>None of its pictures is covered by a later mod or an edit.</source>
        <translation>Nessuna delle sue immagini è coperta da una mod successiva o da una modifica.</translation>
    </message>
    <message>
        <source>Covered since: %1. Uninstalling leaves these as they are.</source>
        <translation>Coperte da allora: %1. La disinstallazione le lascia come sono.</translation>
    </message>
</context>
<context>
    <name>TFormModPackage</name>
    <message>
        <source>Every picture that differs from the game&apos;s original goes into the package, with your changes not yet applied.</source>
        <translation>Ogni immagine diversa dall&apos;originale del gioco entra nel pacchetto, comprese le tue modifiche non ancora applicate.</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <source>Author:</source>
        <translation>Autore:</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Descrizione:</translation>
    </message>
    <message>
        <source>Save…</source>
        <translation>Salva…</translation>
    </message>
</context>
<context>
    <name>TFormPreview</name>
    <message>
        <source>Tessary&apos;s picture</source>
        <translation>Immagine di Tessary</translation>
    </message>
    <message>
        <source>Game folder&apos;s file</source>
        <translation>File della cartella del gioco</translation>
    </message>
    <message>
        <source>Game&apos;s original</source>
        <translation>Originale del gioco</translation>
    </message>
    <message>
        <source>Game folder</source>
        <translation>Cartella gioco</translation>
    </message>
    <message>
        <source>Show the game folder&apos;s file (hold Space)</source>
        <translation>Mostra il file della cartella del gioco (tieni premuto Spazio)</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>Originale</translation>
    </message>
    <message>
        <source>Show the game&apos;s original (hold Shift + Space)</source>
        <translation>Mostra l&apos;originale del gioco (tieni premuto Maiusc + Spazio)</translation>
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
        <translation>nessun dato dei pixel</translation>
    </message>
</context>
</TS>
