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
        <source>there is no menu image number %1</source>
        <translation>non esiste l&apos;immagine di menu numero %1</translation>
    </message>
    <message>
        <source>there is no font number %1</source>
        <translation>non esiste il font numero %1</translation>
    </message>
    <message>
        <source>save the picture with 24 or 32 bits per pixel</source>
        <translation>salva l&apos;immagine a 24 o 32 bit per pixel</translation>
    </message>
    <message>
        <source>Sorry but Tessary can&apos;t read RLE encoded .tga files.</source>
        <translation>Spiacenti, Tessary non può leggere file .tga con compressione RLE.</translation>
    </message>
    <message>
        <source>reading beyond the end of the file (%1)</source>
        <translation>lettura oltre la fine del file (%1)</translation>
    </message>
    <message>
        <source>is a link, which Tessary does not follow</source>
        <translation>è un collegamento, che Tessary non segue</translation>
    </message>
    <message>
        <source>is not a plain file</source>
        <translation>non è un file normale</translation>
    </message>
    <message>
        <source>%1 is not a plain file</source>
        <translation>%1 non è un file normale</translation>
    </message>
    <message>
        <source>holds %1 bytes, more than such a file ever holds</source>
        <translation>contiene %1 byte, più di quanti ne contenga mai un file del genere</translation>
    </message>
    <message>
        <source>error code %1</source>
        <translation>codice di errore %1</translation>
    </message>
    <message>
        <source>the image count %1 is negative</source>
        <translation>il numero di immagini %1 è negativo</translation>
    </message>
    <message>
        <source>the index lists %1 image slots but holds only %2 bytes</source>
        <translation>l&apos;indice elenca %1 posti per immagini ma contiene solo %2 byte</translation>
    </message>
    <message>
        <source>entry %1 runs past the end of the file</source>
        <translation>la voce %1 va oltre la fine del file</translation>
    </message>
    <message>
        <source>the font table count %1 is negative</source>
        <translation>il numero di voci %1 della tabella del font è negativo</translation>
    </message>
    <message>
        <source>a table of %1 entries and a sheet need %2 bytes, the file has %3</source>
        <translation>una tabella di %1 voci e un foglio richiedono %2 byte, il file ne ha %3</translation>
    </message>
    <message>
        <source>the image file holds %1 bytes, more than an image can hold</source>
        <translation>il file dell&apos;immagine contiene %1 byte, più di quanti un&apos;immagine ne possa contenere</translation>
    </message>
    <message>
        <source>holds no menu image number %1</source>
        <translation>non contiene l&apos;immagine di menu numero %1</translation>
    </message>
    <message>
        <source>the game&apos;s original index has no entry for image %1</source>
        <translation>l&apos;indice originale del gioco non ha una voce per l&apos;immagine %1</translation>
    </message>
    <message>
        <source>the kept original holds %1 bytes, but the game&apos;s index gives image %2 %3 × %4 pixels (%5 bytes)</source>
        <translation>l&apos;originale conservato contiene %1 byte, ma l&apos;indice del gioco dà all&apos;immagine %2 %3 × %4 pixel (%5 byte)</translation>
    </message>
    <message>
        <source>Tessary does not restore it</source>
        <translation>Tessary non lo ripristina</translation>
    </message>
    <message>
        <source>is not a file of the record of installed mods</source>
        <translation>non è un file dell&apos;elenco delle mod installate</translation>
    </message>
    <message>
        <source>Tessary replaces only plain game files</source>
        <translation>Tessary sostituisce solo file del gioco normali</translation>
    </message>
    <message>
        <source>Tessary keeps the game&apos;s original files there</source>
        <translation>lì Tessary conserva i file originali del gioco</translation>
    </message>
    <message>
        <source>Tessary keeps the game&apos;s original of %1 there</source>
        <translation>lì Tessary conserva l&apos;originale di %1</translation>
    </message>
    <message>
        <source>lies on another drive than the game files, so Tessary can&apos;t keep the game&apos;s original files there</source>
        <translation>si trova su un&apos;unità diversa da quella dei file del gioco, quindi Tessary non può conservarvi i file originali del gioco</translation>
    </message>
    <message>
        <source>putting the earlier files back failed too (%1)</source>
        <translation>anche il ripristino dei file precedenti non è riuscito (%1)</translation>
    </message>
    <message>
        <source>Tessary finishes the write-back the next time it opens this game folder</source>
        <translation>Tessary completerà la scrittura la prossima volta che aprirà questa cartella del gioco</translation>
    </message>
    <message>
        <source>The game&apos;s original of %1 could not be kept in tessary-originals (%2)</source>
        <translation>Non è stato possibile conservare l&apos;originale di %1 in tessary-originals (%2)</translation>
    </message>
    <message>
        <source>it stays beside it as %1, and Tessary tries again the next time it opens this game folder.</source>
        <translation>resta accanto come %1 e Tessary riproverà la prossima volta che aprirà questa cartella del gioco.</translation>
    </message>
    <message>
        <source>the record of an interrupted write-back is damaged (%1)</source>
        <translation>il registro di una scrittura interrotta è danneggiato (%1)</translation>
    </message>
    <message>
        <source>Tessary leaves the folder as it is. Move this file away to use the folder again</source>
        <translation>Tessary lascia la cartella com&apos;è. Sposta altrove questo file per usare di nuovo la cartella</translation>
    </message>
    <message>
        <source>it holds %1 bytes, far more than any record Tessary writes</source>
        <translation>contiene %1 byte, molto più di qualsiasi registro scritto da Tessary</translation>
    </message>
    <message>
        <source>it does not begin as Tessary writes it</source>
        <translation>l&apos;inizio non corrisponde a ciò che scrive Tessary</translation>
    </message>
    <message>
        <source>its end does not match its entries</source>
        <translation>la fine non corrisponde alle voci</translation>
    </message>
    <message>
        <source>line %1 is not an entry</source>
        <translation>la riga %1 non è una voce</translation>
    </message>
    <message>
        <source>it names %1, which is not a game file</source>
        <translation>cita %1, che non è un file del gioco</translation>
    </message>
    <message>
        <source>it names %1 twice</source>
        <translation>cita %1 due volte</translation>
    </message>
    <message>
        <source>it names files that Tessary does not write beside %1</source>
        <translation>cita file che Tessary non scrive accanto a %1</translation>
    </message>
    <message>
        <source>it ends before its last line</source>
        <translation>finisce prima della sua ultima riga</translation>
    </message>
    <message>
        <source>it does not match the files on disk: %1</source>
        <translation>non corrisponde ai file sul disco: %1</translation>
    </message>
    <message>
        <source>%1 exists, though the record says it did not before the write-back</source>
        <translation>%1 esiste, anche se il registro dice che non esisteva prima della scrittura</translation>
    </message>
    <message>
        <source>%1 and its new file are both missing</source>
        <translation>mancano sia %1 sia il suo nuovo file</translation>
    </message>
    <message>
        <source>%1, its original and its new file are all there at once</source>
        <translation>%1, il suo originale e il suo nuovo file ci sono tutti insieme</translation>
    </message>
    <message>
        <source>%1 and the original the record moved aside are both missing</source>
        <translation>mancano sia %1 sia l&apos;originale che il registro ha messo da parte</translation>
    </message>
    <message>
        <source>a write-back to this game folder was cut short, and Tessary can&apos;t finish or undo it</source>
        <translation>una scrittura in questa cartella del gioco è stata interrotta e Tessary non può né completarla né annullarla</translation>
    </message>
    <message>
        <source>A write-back to %1 was cut short</source>
        <translation>Una scrittura in %1 è stata interrotta</translation>
    </message>
    <message>
        <source>Tessary has put the earlier files back, so the folder is as it was before it.</source>
        <translation>Tessary ha rimesso al loro posto i file precedenti, quindi la cartella è com&apos;era prima.</translation>
    </message>
    <message>
        <source>Tessary removed %1 that an earlier write-back to %2 left behind</source>
        <translation>Di ciò che una scrittura precedente in %2 aveva lasciato, Tessary ha rimosso %1</translation>
    </message>
    <message>
        <source>Tessary kept %1 in tessary-originals that an earlier write-back to %2 left behind</source>
        <translation>Di ciò che una scrittura precedente in %2 aveva lasciato, Tessary ha conservato %1 in tessary-originals</translation>
    </message>
    <message>
        <source>Tessary removed %1 and kept %2 in tessary-originals that an earlier write-back to %3 left behind</source>
        <translation>Di ciò che una scrittura precedente in %3 aveva lasciato, Tessary ha rimosso %1 e conservato %2 in tessary-originals</translation>
    </message>
    <message>
        <source>the game files were not touched.</source>
        <translation>i file del gioco non sono stati toccati.</translation>
    </message>
    <message>
        <source>colour map type %1 is not one the .tga format defines</source>
        <translation>il tipo di mappa colori %1 non è previsto dal formato .tga</translation>
    </message>
    <message>
        <source>this is not a .tga file Tessary can read</source>
        <translation>non è un file .tga che Tessary sappia leggere</translation>
    </message>
    <message>
        <source>the file holds no picture (image type 0)</source>
        <translation>il file non contiene nessuna immagine (tipo di immagine 0)</translation>
    </message>
    <message>
        <source>the file is colour-mapped (image type 1) but holds no colour map</source>
        <translation>il file è a colori indicizzati (tipo di immagine 1) ma non contiene una mappa colori</translation>
    </message>
    <message>
        <source>only 8-bit indices can</source>
        <translation>solo quelli con indici a 8 bit</translation>
    </message>
    <message>
        <source>colour maps with %1-bit entries can&apos;t be read</source>
        <translation>le mappe colori con voci a %1 bit non possono essere lette</translation>
    </message>
    <message>
        <source>save the picture with a 24- or 32-bit colour map, or as 24- or 32-bit true-colour</source>
        <translation>salva l&apos;immagine con una mappa colori a 24 o 32 bit, oppure true color a 24 o 32 bit</translation>
    </message>
    <message>
        <source>only 8-bit grey-scale can</source>
        <translation>solo quelli in scala di grigi a 8 bit</translation>
    </message>
    <message>
        <source>image type %1 is not an uncompressed true-colour, colour-mapped or grey-scale .tga file</source>
        <translation>il tipo di immagine %1 non è un file .tga non compresso true color, indicizzato o in scala di grigi</translation>
    </message>
    <message>
        <source>the header announces a %1 picture of %2 bits per pixel, which needs %3 bytes, but the file has only %4</source>
        <translation>l&apos;intestazione annuncia un&apos;immagine %1 a %2 bit per pixel, che richiede %3 byte, ma il file ne ha solo %4</translation>
    </message>
    <message>
        <source>pixel (%1, %2) uses colour %3, which the file&apos;s colour map does not hold</source>
        <translation>il pixel (%1, %2) usa il colore %3, che la mappa colori del file non contiene</translation>
    </message>
    <message>
        <source>is not a .png file: it does not start with the PNG signature</source>
        <translation>non è un file .png: non inizia con la firma PNG</translation>
    </message>
    <message>
        <source>the PNG&apos;s palette or transparency is damaged (%1), so its pixels are not defined</source>
        <translation>la tavolozza o la trasparenza del PNG è danneggiata (%1), quindi i suoi pixel non sono definiti</translation>
    </message>
    <message>
        <source>the PNG data is damaged or cut short (%1)</source>
        <translation>i dati PNG sono danneggiati o troncati (%1)</translation>
    </message>
    <message>
        <source>the file is too short for a %1 picture</source>
        <translation>il file è troppo corto per un&apos;immagine %1</translation>
    </message>
    <message>
        <source>the file ends before the picture does</source>
        <translation>il file finisce prima dell&apos;immagine</translation>
    </message>
    <message>
        <source>pixel (%1, %2) has colour number %3, but the palette holds only %4 colours</source>
        <translation>il pixel (%1, %2) ha il numero di colore %3, ma la tavolozza contiene solo %4 colori</translation>
    </message>
    <message>
        <source>the PNG picture can&apos;t be made (%1)</source>
        <translation>l&apos;immagine PNG non può essere creata (%1)</translation>
    </message>
    <message>
        <source>a %1 picture needs %2 bytes, more than the 2147483647 a menu image can hold</source>
        <translation>un&apos;immagine %1 richiede %2 byte, più dei 2147483647 che un&apos;immagine di menu può contenere</translation>
    </message>
    <message>
        <source>the picture is %1 pixels</source>
        <translation>l&apos;immagine è di %1 pixel</translation>
    </message>
    <message>
        <source>a font sheet must be 256 x 256</source>
        <translation>un foglio font deve essere 256 x 256</translation>
    </message>
    <message>
        <source>not enough memory</source>
        <translation>memoria insufficiente</translation>
    </message>
    <message>
        <source>not enough memory to read a .png file</source>
        <translation>memoria insufficiente per leggere un file .png</translation>
    </message>
    <message>
        <source>not enough memory to read a %1 picture</source>
        <translation>memoria insufficiente per leggere un&apos;immagine %1</translation>
    </message>
    <message>
        <source>not enough memory for a %1 picture</source>
        <translation>memoria insufficiente per un&apos;immagine %1</translation>
    </message>
    <message>
        <source>image %1 (%2 x %3 pixels) holds no picture a .png file can hold</source>
        <translation>l&apos;immagine %1 (%2 x %3 pixel) non contiene un&apos;immagine che un file .png possa contenere</translation>
    </message>
    <message>
        <source>image %1 (%2 x %3 pixels) holds %4 bytes instead of %5</source>
        <translation>l&apos;immagine %1 (%2 x %3 pixel) contiene %4 byte invece di %5</translation>
    </message>
    <message>
        <source>save it as .tga</source>
        <translation>salvala come .tga</translation>
    </message>
    <message>
        <source>a .png file holds only whole pictures, so save it as .tga</source>
        <translation>un file .png contiene solo immagini intere, quindi salvala come .tga</translation>
    </message>
    <message>
        <source>there is no font sheet number %1</source>
        <translation>non esiste il foglio font numero %1</translation>
    </message>
    <message>
        <source>font sheet %1 holds %2 bytes instead of 65536</source>
        <translation>il foglio font %1 contiene %2 byte invece di 65536</translation>
    </message>
    <message>
        <source>holds no picture a .png file can hold</source>
        <translation>non contiene un&apos;immagine che un file .png possa contenere</translation>
    </message>
    <message>
        <source>holds %1 bytes instead of 65536</source>
        <translation>contiene %1 byte invece di 65536</translation>
    </message>
    <message>
        <source>image %1 is %2 pixels wide</source>
        <translation>l&apos;immagine %1 è larga %2 pixel</translation>
    </message>
    <message>
        <source>image %1 is %2 pixels high</source>
        <translation>l&apos;immagine %1 è alta %2 pixel</translation>
    </message>
    <message>
        <source>a .tga file can only hold 0 to 65535</source>
        <translation>un file .tga può contenere solo da 0 a 65535</translation>
    </message>
    <message>
        <source>image %1 has a negative byte count (%2)</source>
        <translation>l&apos;immagine %1 ha un numero di byte negativo (%2)</translation>
    </message>
    <message>
        <source>there is no menu image number %1 to replace</source>
        <translation>non esiste l&apos;immagine di menu numero %1 da sostituire</translation>
    </message>
    <message>
        <source>there is no font sheet number %1 to replace</source>
        <translation>non esiste il foglio font numero %1 da sostituire</translation>
    </message>
    <message>
        <source>these files all name the same image: %1</source>
        <translation>questi file indicano tutti la stessa immagine: %1</translation>
    </message>
    <message>
        <source>these files all name the same font sheet: %1</source>
        <translation>questi file indicano tutti lo stesso foglio font: %1</translation>
    </message>
    <message>
        <source>rename or remove all but one</source>
        <translation>rinominali o rimuovili tutti tranne uno</translation>
    </message>
    <message>
        <source>No picture was imported.</source>
        <translation>Non è stata importata nessuna immagine.</translation>
    </message>
    <message>
        <source>No picture was imported from %1.</source>
        <translation>Non è stata importata nessuna immagine da %1.</translation>
    </message>
    <message>
        <source>the archive is damaged (%1)</source>
        <translation>l&apos;archivio è danneggiato (%1)</translation>
    </message>
    <message>
        <source>the archive is damaged at &quot;%1&quot; (%2)</source>
        <translation>l&apos;archivio è danneggiato in «%1» (%2)</translation>
    </message>
    <message>
        <source>this build of Tessary can&apos;t expand archives compressed as this one is</source>
        <translation>questa versione di Tessary non sa estrarre archivi compressi in questo modo</translation>
    </message>
    <message>
        <source>the archive holds %1 bytes, more than Tessary reads (%2)</source>
        <translation>l&apos;archivio contiene %1 byte, più di quanto legga Tessary (%2)</translation>
    </message>
    <message>
        <source>is not an archive Tessary can read (%1)</source>
        <translation>non è un archivio che Tessary sappia leggere (%1)</translation>
    </message>
    <message>
        <source>the archive holds more than %1 entries</source>
        <translation>l&apos;archivio contiene più di %1 voci</translation>
    </message>
    <message>
        <source>the folder holds more than %1 files and folders</source>
        <translation>la cartella contiene più di %1 file e cartelle</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is encrypted, which Tessary can&apos;t read</source>
        <translation>«%1» è cifrato e Tessary non può leggerlo</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a link, which Tessary does not follow</source>
        <translation>«%1» è un collegamento, che Tessary non segue</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a device or another special file, not a file</source>
        <translation>«%1» è un dispositivo o un altro file speciale, non un file</translation>
    </message>
    <message>
        <source>&quot;%1&quot; expands more than %2 times over what it takes in the archive, as a zip bomb does</source>
        <translation>«%1» si espande più di %2 volte rispetto a quanto occupa nell&apos;archivio, come fa una zip bomb</translation>
    </message>
    <message>
        <source>&quot;%1&quot; would make the archive expand past %2 MB, more than any menu mod holds (a zip bomb?)</source>
        <translation>«%1» farebbe espandere l&apos;archivio oltre %2 MB, più di quanto contenga qualsiasi mod dei menu (una zip bomb?)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; would take the mod past %2 MB, more than any menu mod holds</source>
        <translation>«%1» porterebbe la mod oltre %2 MB, più di quanto contenga qualsiasi mod dei menu</translation>
    </message>
    <message>
        <source>&quot;%1&quot; lies more than %2 folders deep</source>
        <translation>«%1» si trova a più di %2 livelli di cartelle</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has no name</source>
        <translation>«%1» non ha un nome</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has a name that is not valid text (UTF-8)</source>
        <translation>«%1» ha un nome che non è testo valido (UTF-8)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has a control character in its name</source>
        <translation>«%1» ha un carattere di controllo nel nome</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is named by an absolute path</source>
        <translation>«%1» è indicato con un percorso assoluto</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is named with a drive letter</source>
        <translation>«%1» è indicato con una lettera di unità</translation>
    </message>
    <message>
        <source>&quot;%1&quot; climbs out of the archive&apos;s folder (&quot;..&quot;)</source>
        <translation>«%1» esce dalla cartella dell&apos;archivio (&quot;..&quot;)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has &apos;:&apos; in its name, which Windows reads as a drive or a stream</source>
        <translation>«%1» ha &apos;:&apos; nel nome, che Windows interpreta come unità o flusso</translation>
    </message>
    <message>
        <source>&quot;%1&quot; lies in a folder that has the name of a file: &quot;%2&quot;</source>
        <translation>«%1» si trova in una cartella che ha il nome di un file: «%2»</translation>
    </message>
    <message>
        <source>&quot;%1&quot; appears twice (letter case aside)</source>
        <translation>«%1» compare due volte (a parte maiuscole e minuscole)</translation>
    </message>
    <message>
        <source>holds no menu image or font sheet of this game that Tessary could take</source>
        <translation>non contiene nessuna immagine di menu né foglio font di questo gioco che Tessary possa prendere</translation>
    </message>
    <message>
        <source>holds no menu image or font sheet of this game that Tessary could take (%1)</source>
        <translation>non contiene nessuna immagine di menu né foglio font di questo gioco che Tessary possa prendere (%1)</translation>
    </message>
    <message>
        <source>holds game files in two folders, &quot;%1&quot; and &quot;%2&quot;</source>
        <translation>contiene file del gioco in due cartelle, «%1» e «%2»</translation>
    </message>
    <message>
        <source>&quot;%1&quot; and &quot;%2&quot; both name %3</source>
        <translation>«%1» e «%2» indicano entrambi %3</translation>
    </message>
    <message>
        <source>Tessary can&apos;t tell which of them the mod means</source>
        <translation>Tessary non può capire quale intenda la mod</translation>
    </message>
    <message>
        <source>%1 is image %2, but this game has images 1 to %3 only</source>
        <translation>%1 è l&apos;immagine %2, ma questo gioco ha solo le immagini da 1 a %3</translation>
    </message>
    <message>
        <source>the mod&apos;s Gp2001.gph lists %1 images, this game&apos;s index %2, and it has no entry for %3</source>
        <translation>il Gp2001.gph della mod elenca %1 immagini, l&apos;indice di questo gioco %2, e non ha una voce per %3</translation>
    </message>
    <message>
        <source>%1 holds %2 bytes, but its entry in the mod&apos;s Gp2001.gph says %3 (%4 bytes)</source>
        <translation>%1 contiene %2 byte, ma la sua voce nel Gp2001.gph della mod indica %3 (%4 byte)</translation>
    </message>
    <message>
        <source>%1 holds %2 bytes, but its entry in the game&apos;s index (the mod ships none) says %3 (%4 bytes)</source>
        <translation>%1 contiene %2 byte, ma la sua voce nell&apos;indice del gioco (la mod non ne fornisce uno) indica %3 (%4 byte)</translation>
    </message>
    <message>
        <source>%1 x %2 pixels</source>
        <translation>%1 x %2 pixel</translation>
    </message>
    <message>
        <source>holds %1 bytes, not one index entry</source>
        <translation>contiene %1 byte, non una voce dell&apos;indice</translation>
    </message>
    <message>
        <source>The mod&apos;s Gp2001.gph also changes the entries of images it does not ship</source>
        <translation>Il Gp2001.gph della mod cambia anche le voci di immagini che la mod non contiene</translation>
    </message>
    <message>
        <source>Tessary leaves them as they are</source>
        <translation>Tessary le lascia come sono</translation>
    </message>
    <message>
        <source>Font files with another header or table than the game&apos;s: only their pictures are taken: %1</source>
        <translation>File di font con intestazione o tabella diverse da quelle del gioco (se ne prendono solo le immagini): %1</translation>
    </message>
    <message>
        <source>Files that are no game file were left out: %1</source>
        <translation>I file che non sono file del gioco sono stati tralasciati: %1</translation>
    </message>
    <message>
        <source>Files that name no menu image or font sheet of this game were left out: %1</source>
        <translation>I file che non indicano nessuna immagine di menu né foglio font di questo gioco sono stati tralasciati: %1</translation>
    </message>
    <message>
        <source>The package was made over other pictures than this game&apos;s originals: %1</source>
        <translation>Il pacchetto è stato creato su immagini diverse dagli originali di questo gioco: %1</translation>
    </message>
    <message>
        <source>Files its manifest does not list were left out: %1</source>
        <translation>I file non elencati nel suo manifesto sono stati tralasciati: %1</translation>
    </message>
    <message>
        <source>tessary-mod.json is damaged: %1</source>
        <translation>tessary-mod.json è danneggiato: %1</translation>
    </message>
    <message>
        <source>the mod package was made by a newer Tessary (package version %1)</source>
        <translation>il pacchetto mod è stato creato da un Tessary più recente (versione del pacchetto %1)</translation>
    </message>
    <message>
        <source>this one reads version %1</source>
        <translation>questo legge la versione %1</translation>
    </message>
    <message>
        <source>it is not a JSON object</source>
        <translation>non è un oggetto JSON</translation>
    </message>
    <message>
        <source>&quot;format&quot; is not &quot;Tessary mod package&quot;</source>
        <translation>&quot;format&quot; non è &quot;Tessary mod package&quot;</translation>
    </message>
    <message>
        <source>&quot;name&quot; is empty</source>
        <translation>&quot;name&quot; è vuoto</translation>
    </message>
    <message>
        <source>&quot;created&quot; is not a time such as 2026-05-04T12:34:56Z</source>
        <translation>&quot;created&quot; non è una data e ora come 2026-05-04T12:34:56Z</translation>
    </message>
    <message>
        <source>&quot;pictures&quot; is not a list of at most %1 pictures</source>
        <translation>&quot;pictures&quot; non è un elenco di al massimo %1 immagini</translation>
    </message>
    <message>
        <source>%1 is listed twice</source>
        <translation>%1 è elencato due volte</translation>
    </message>
    <message>
        <source>the manifest has no &quot;%1&quot;</source>
        <translation>nel manifesto manca &quot;%1&quot;</translation>
    </message>
    <message>
        <source>the manifest has an unknown key &quot;%1&quot;</source>
        <translation>il manifesto ha una chiave sconosciuta &quot;%1&quot;</translation>
    </message>
    <message>
        <source>&quot;%1&quot; of the manifest is not text</source>
        <translation>&quot;%1&quot; del manifesto non è testo</translation>
    </message>
    <message>
        <source>&quot;%1&quot; of the manifest is longer than %2 bytes</source>
        <translation>&quot;%1&quot; del manifesto è più lungo di %2 byte</translation>
    </message>
    <message>
        <source>&quot;%1&quot; of the manifest holds a control character</source>
        <translation>&quot;%1&quot; del manifesto contiene un carattere di controllo</translation>
    </message>
    <message>
        <source>&quot;%1&quot; of the manifest is not a whole number from %2 to %3</source>
        <translation>&quot;%1&quot; del manifesto non è un numero intero da %2 a %3</translation>
    </message>
    <message>
        <source>picture %1 is not an object</source>
        <translation>l&apos;immagine %1 non è un oggetto</translation>
    </message>
    <message>
        <source>picture %1 has no &quot;%2&quot;</source>
        <translation>nell&apos;immagine %1 manca &quot;%2&quot;</translation>
    </message>
    <message>
        <source>picture %1 has an unknown key &quot;%2&quot;</source>
        <translation>l&apos;immagine %1 ha una chiave sconosciuta &quot;%2&quot;</translation>
    </message>
    <message>
        <source>picture %1 must name either an &quot;image&quot; or a &quot;font&quot;</source>
        <translation>l&apos;immagine %1 deve indicare o &quot;image&quot; o &quot;font&quot;</translation>
    </message>
    <message>
        <source>picture %1 names no font of the game: &quot;%2&quot;</source>
        <translation>l&apos;immagine %1 non indica nessun font del gioco: &quot;%2&quot;</translation>
    </message>
    <message>
        <source>picture %1 must be in the file &quot;%2&quot;</source>
        <translation>l&apos;immagine %1 deve trovarsi nel file &quot;%2&quot;</translation>
    </message>
    <message>
        <source>&quot;%1&quot; of picture %2 is not text</source>
        <translation>&quot;%1&quot; dell&apos;immagine %2 non è testo</translation>
    </message>
    <message>
        <source>&quot;%1&quot; of picture %2 is longer than %3 bytes</source>
        <translation>&quot;%1&quot; dell&apos;immagine %2 è più lungo di %3 byte</translation>
    </message>
    <message>
        <source>&quot;%1&quot; of picture %2 holds a control character</source>
        <translation>&quot;%1&quot; dell&apos;immagine %2 contiene un carattere di controllo</translation>
    </message>
    <message>
        <source>&quot;%1&quot; of picture %2 is not a whole number from %3 to %4</source>
        <translation>&quot;%1&quot; dell&apos;immagine %2 non è un numero intero da %3 a %4</translation>
    </message>
    <message>
        <source>&quot;%1&quot; of picture %2 is not a SHA-256 digest (64 lower-case hex digits)</source>
        <translation>&quot;%1&quot; dell&apos;immagine %2 non è un hash SHA-256 (64 cifre esadecimali minuscole)</translation>
    </message>
    <message>
        <source>%1 is not a PNG file, as its manifest says</source>
        <translation>%1 non è un file PNG, a differenza di quanto dice il manifesto</translation>
    </message>
    <message>
        <source>%1 is %2 x %3 pixels, but its manifest says %4 x %5</source>
        <translation>%1 è di %2 x %3 pixel, ma il manifesto dice %4 x %5</translation>
    </message>
    <message>
        <source>%1 does not hold the picture its manifest names (its SHA-256 differs)</source>
        <translation>%1 non contiene l&apos;immagine indicata dal manifesto (il suo SHA-256 è diverso)</translation>
    </message>
    <message>
        <source>the package is damaged</source>
        <translation>il pacchetto è danneggiato</translation>
    </message>
    <message>
        <source>the package replaces image %1, but this game has images 1 to %2 only</source>
        <translation>il pacchetto sostituisce l&apos;immagine %1, ma questo gioco ha solo le immagini da 1 a %2</translation>
    </message>
    <message>
        <source>the package lacks %1, which its manifest lists</source>
        <translation>nel pacchetto manca %1, elencato nel suo manifesto</translation>
    </message>
    <message>
        <source>a mod package needs a name</source>
        <translation>un pacchetto mod ha bisogno di un nome</translation>
    </message>
    <message>
        <source>a mod package&apos;s name and author are at most 200 bytes long</source>
        <translation>nome e autore di un pacchetto mod sono lunghi al massimo 200 byte</translation>
    </message>
    <message>
        <source>a mod package&apos;s description is at most 4000 bytes long</source>
        <translation>la descrizione di un pacchetto mod è lunga al massimo 4000 byte</translation>
    </message>
    <message>
        <source>a mod package&apos;s name, author and description can&apos;t hold control characters</source>
        <translation>nome, autore e descrizione di un pacchetto mod non possono contenere caratteri di controllo</translation>
    </message>
    <message>
        <source>image %1 (%2 x %3 pixels) holds %4 bytes, not a whole picture, which a mod package can&apos;t hold</source>
        <translation>l&apos;immagine %1 (%2 x %3 pixel) contiene %4 byte, non un&apos;immagine intera, e un pacchetto mod non può contenerla</translation>
    </message>
    <message>
        <source>no package was written</source>
        <translation>non è stato scritto nessun pacchetto</translation>
    </message>
    <message>
        <source>every picture is the game&apos;s original, so there is nothing to put in a mod package</source>
        <translation>ogni immagine è l&apos;originale del gioco, quindi non c&apos;è niente da mettere in un pacchetto mod</translation>
    </message>
    <message>
        <source>the .zip archive can&apos;t be written: %1</source>
        <translation>l&apos;archivio .zip non può essere scritto: %1</translation>
    </message>
    <message>
        <source>libarchive failed</source>
        <translation>libarchive non è riuscita</translation>
    </message>
    <message>
        <source>the text is not valid UTF-8</source>
        <translation>il testo non è UTF-8 valido</translation>
    </message>
    <message>
        <source>at byte %1: %2</source>
        <translation>al byte %1: %2</translation>
    </message>
    <message>
        <source>there is more after the value</source>
        <translation>c&apos;è altro dopo il valore</translation>
    </message>
    <message>
        <source>expected a value</source>
        <translation>atteso un valore</translation>
    </message>
    <message>
        <source>expected a key in quotes</source>
        <translation>attesa una chiave tra virgolette</translation>
    </message>
    <message>
        <source>expected &apos;:&apos; after a key</source>
        <translation>atteso &apos;:&apos; dopo una chiave</translation>
    </message>
    <message>
        <source>expected &apos;,&apos; or &apos;}&apos;</source>
        <translation>atteso &apos;,&apos; o &apos;}&apos;</translation>
    </message>
    <message>
        <source>expected &apos;,&apos; or &apos;]&apos;</source>
        <translation>atteso &apos;,&apos; o &apos;]&apos;</translation>
    </message>
    <message>
        <source>the key &quot;%1&quot; appears twice</source>
        <translation>la chiave &quot;%1&quot; compare due volte</translation>
    </message>
    <message>
        <source>the values are nested too deeply</source>
        <translation>i valori sono annidati troppo in profondità</translation>
    </message>
    <message>
        <source>\u needs four hex digits</source>
        <translation>\u richiede quattro cifre esadecimali</translation>
    </message>
    <message>
        <source>a \u escape holds half a character</source>
        <translation>un escape \u contiene mezzo carattere</translation>
    </message>
    <message>
        <source>unknown escape</source>
        <translation>escape sconosciuto</translation>
    </message>
    <message>
        <source>the text ends inside quotes</source>
        <translation>il testo finisce dentro le virgolette</translation>
    </message>
    <message>
        <source>a control character stands unescaped in quotes</source>
        <translation>un carattere di controllo compare senza escape tra virgolette</translation>
    </message>
    <message>
        <source>a number starts with 0</source>
        <translation>un numero inizia con 0</translation>
    </message>
    <message>
        <source>the number is too large</source>
        <translation>il numero è troppo grande</translation>
    </message>
    <message>
        <source>only whole numbers are taken</source>
        <translation>sono accettati solo numeri interi</translation>
    </message>
    <message>
        <source>is not a folder of Tessary&apos;s own (a link or a file has its name)</source>
        <translation>non è una cartella di Tessary (un collegamento o un file ha il suo nome)</translation>
    </message>
    <message>
        <source>Tessary leaves it as it is</source>
        <translation>Tessary non tocca nulla</translation>
    </message>
    <message>
        <source>a mod named &quot;%1&quot; is installed already</source>
        <translation>una mod chiamata «%1» è già installata</translation>
    </message>
    <message>
        <source>uninstall it first</source>
        <translation>disinstallala prima</translation>
    </message>
    <message>
        <source>the record of installed mods is damaged (%1)</source>
        <translation>l&apos;elenco delle mod installate è danneggiato (%1)</translation>
    </message>
    <message>
        <source>Tessary leaves it as it is. Move the folder tessary-mods away to install mods again</source>
        <translation>Tessary lo lascia com&apos;è. Sposta altrove la cartella tessary-mods per installare di nuovo delle mod</translation>
    </message>
    <message>
        <source>it is not the file Tessary wrote</source>
        <translation>non è il file scritto da Tessary</translation>
    </message>
    <message>
        <source>the record of installed mods was written by another version of Tessary (record version %1)</source>
        <translation>l&apos;elenco delle mod installate è stato scritto da un&apos;altra versione di Tessary (versione dell&apos;elenco %1)</translation>
    </message>
    <message>
        <source>it lists too many mods</source>
        <translation>elenca troppe mod</translation>
    </message>
    <message>
        <source>a mod has no number of its own</source>
        <translation>una mod non ha un numero proprio</translation>
    </message>
    <message>
        <source>a mod has no list of pictures</source>
        <translation>una mod non ha un elenco di immagini</translation>
    </message>
    <message>
        <source>two mods have the name &quot;%1&quot;</source>
        <translation>due mod si chiamano «%1»</translation>
    </message>
    <message>
        <source>the mod &quot;%1&quot; lists %2 twice</source>
        <translation>la mod «%1» elenca %2 due volte</translation>
    </message>
    <message>
        <source>a picture names neither an image nor a font</source>
        <translation>un&apos;immagine non indica né un&apos;immagine di menu né un font</translation>
    </message>
    <message>
        <source>a picture is kept in &quot;%1&quot;, which is not a record file</source>
        <translation>un&apos;immagine è conservata in «%1», che non è un file dell&apos;elenco</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is missing or not text</source>
        <translation>&quot;%1&quot; manca o non è testo</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a SHA-256 digest</source>
        <translation>&quot;%1&quot; non è un hash SHA-256</translation>
    </message>
    <message>
        <source>it lacks %1</source>
        <translation>manca %1</translation>
    </message>
    <message>
        <source>%1 is too large</source>
        <translation>%1 è troppo grande</translation>
    </message>
    <message>
        <source>%1 is not the picture the record names</source>
        <translation>%1 non è l&apos;immagine indicata dall&apos;elenco</translation>
    </message>
    <message>
        <source>a mod&apos;s name must be 1 to %1 bytes long</source>
        <translation>il nome di una mod deve essere lungo da 1 a %1 byte</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not</source>
        <translation>«%1» non lo è</translation>
    </message>
    <message>
        <source>the mod is named &quot;%1&quot;, not &quot;%2&quot;</source>
        <translation>la mod si chiama «%1», non «%2»</translation>
    </message>
    <message>
        <source>it can&apos;t update that one</source>
        <translation>non può aggiornare quella</translation>
    </message>
    <message>
        <source>a profile&apos;s name must be 1 to %1 bytes long</source>
        <translation>il nome di un profilo deve essere lungo da 1 a %1 byte</translation>
    </message>
    <message>
        <source>there is no profile named &quot;%1&quot;</source>
        <translation>non c&apos;è un profilo chiamato «%1»</translation>
    </message>
    <message>
        <source>the game&apos;s original of %1 that lay below the mod &quot;%2&quot; is not kept any more (tessary-originals was changed)</source>
        <translation>l&apos;originale del gioco di %1, che stava sotto la mod «%2», non è più conservato (tessary-originals è stato modificato)</translation>
    </message>
    <message>
        <source>Tessary can&apos;t give it back, so nothing was changed</source>
        <translation>Tessary non può restituirlo, quindi non è stato modificato nulla</translation>
    </message>
    <message>
        <source>the mod &quot;%1&quot; is neither on nor off</source>
        <translation>la mod «%1» non è né attiva né disattivata</translation>
    </message>
    <message>
        <source>&quot;profiles&quot; is not a list</source>
        <translation>«profiles» non è un elenco</translation>
    </message>
    <message>
        <source>two profiles have the name &quot;%1&quot;</source>
        <translation>due profili si chiamano «%1»</translation>
    </message>
    <message>
        <source>the profile &quot;%1&quot; has no list of mods</source>
        <translation>il profilo «%1» non ha un elenco di mod</translation>
    </message>
    <message>
        <source>the profile &quot;%1&quot; names a mod that is not installed, or one twice</source>
        <translation>il profilo «%1» nomina una mod non installata, o una due volte</translation>
    </message>
    <message numerus="yes">
        <source>the file has only %n bytes, a font header needs 14</source>
        <translation>
            <numerusform>il file ha solo %n byte, un&apos;intestazione di font ne richiede 14</numerusform>
            <numerusform>il file ha solo %n byte, un&apos;intestazione di font ne richiede 14</numerusform>
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
            <numerusform>%1 … e un altro</numerusform>
            <numerusform>%1 … e altri %n</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>another program changed the index to %1 images since Tessary loaded it (%2)</source>
        <translation>un altro programma ha portato l&apos;indice a %1 immagini da quando Tessary l&apos;ha caricato (%2)</translation>
    </message>
    <message>
        <source>load the game folder again</source>
        <translation>carica di nuovo la cartella del gioco</translation>
    </message>
    <message numerus="yes">
        <source>%n files matched no image: %1</source>
        <translation>
            <numerusform>%n file non corrispondeva a nessuna immagine: %1</numerusform>
            <numerusform>%n file non corrispondevano a nessuna immagine: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files matched no font sheet: %1</source>
        <translation>
            <numerusform>%n file non corrispondeva a nessun foglio font: %1</numerusform>
            <numerusform>%n file non corrispondevano a nessun foglio font: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files matched no image or font sheet: %1</source>
        <translation>
            <numerusform>%n file non corrispondeva a nessuna immagine né foglio font: %1</numerusform>
            <numerusform>%n file non corrispondevano a nessuna immagine né foglio font: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>una cartella</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>non è un file normale</translation>
    </message>
    <message numerus="yes">
        <source>Imported %n pictures.</source>
        <translation>
            <numerusform>%n immagine importata.</numerusform>
            <numerusform>%n immagini importate.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Imported %n pictures from %1.</source>
        <translation>
            <numerusform>%n immagine importata da %1.</numerusform>
            <numerusform>%n immagini importate da %1.</numerusform>
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
            <numerusform>%n file era uguale all&apos;immagine già presente: %1</numerusform>
            <numerusform>%n file erano uguali all&apos;immagine già presente: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files were refused:</source>
        <translation>
            <numerusform>%n file è stato rifiutato:</numerusform>
            <numerusform>%n file sono stati rifiutati:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>… and %n more</source>
        <translation>
            <numerusform>… e un altro</numerusform>
            <numerusform>… e altri %n</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message numerus="yes">
        <source>%n entries were skipped, as they are no files: %1</source>
        <translation>
            <numerusform>%n voce è stata saltata perché non è un file: %1</numerusform>
            <numerusform>%n voci sono state saltate perché non sono file: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the file has only %n bytes, a .tga header needs 18</source>
        <translation>
            <numerusform>il file ha solo %n byte, un&apos;intestazione .tga ne richiede 18</numerusform>
            <numerusform>il file ha solo %n byte, un&apos;intestazione .tga ne richiede 18</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Tessary has finished it, so all %n files it was replacing now hold the changes.</source>
        <translation>
            <numerusform>Tessary l&apos;ha completata, quindi il file che stava sostituendo ora contiene le modifiche.</numerusform>
            <numerusform>Tessary l&apos;ha completata, quindi tutti i %n file che stava sostituendo ora contengono le modifiche.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Tessary has put the earlier files back, but %n files that did not exist before it keep the new content: %1.</source>
        <translation>
            <numerusform>Tessary ha rimesso al loro posto i file precedenti, ma %n file che prima non esisteva mantiene il nuovo contenuto: %1.</numerusform>
            <numerusform>Tessary ha rimesso al loro posto i file precedenti, ma %n file che prima non esistevano mantengono il nuovo contenuto: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n unfinished files</source>
        <translation>
            <numerusform>%n file incompleto</numerusform>
            <numerusform>%n file incompleti</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n originals</source>
        <translation>
            <numerusform>%n originale</numerusform>
            <numerusform>%n originali</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>a checksum (CRC) of the PNG data does not match, so the file is damaged (%1)</source>
        <translation>un checksum (CRC) dei dati PNG non corrisponde, quindi il file è danneggiato (%1)</translation>
    </message>
    <message>
        <source>%1-bit true-colour .tga files can&apos;t be read</source>
        <translation>i file .tga true color a %1 bit non possono essere letti</translation>
    </message>
    <message>
        <source>colour-mapped .tga files with %1-bit colour indices can&apos;t be read</source>
        <translation>i file .tga indicizzati con indici di colore a %1 bit non possono essere letti</translation>
    </message>
    <message>
        <source>%1-bit grey-scale .tga files can&apos;t be read</source>
        <translation>i file .tga in scala di grigi a %1 bit non possono essere letti</translation>
    </message>
    <message>
        <source>the mod &quot;%1&quot; lists image %2, but this game has images 1 to %3</source>
        <translation>la mod «%1» elenca l&apos;immagine %2, ma questo gioco ha solo le immagini da 1 a %3</translation>
    </message>
    <message>
        <source>the record of installed mods has no number left for another mod</source>
        <translation>l&apos;elenco delle mod installate non ha più numeri liberi per un&apos;altra mod</translation>
    </message>
    <message>
        <source>a picture&apos;s &quot;entry&quot; is not &quot;size&quot;</source>
        <translation>l&apos;&quot;entry&quot; di un&apos;immagine non è &quot;size&quot;</translation>
    </message>
    <message>
        <source>%1 holds %2 bytes, but its entry says %3 x %4 pixels</source>
        <translation>%1 contiene %2 byte, ma la sua voce indica %3 x %4 pixel</translation>
    </message>
    <message>
        <source>the index has no entry for image %1</source>
        <translation>l&apos;indice non ha una voce per l&apos;immagine %1</translation>
    </message>
    <message>
        <source>picture %1 names the mod it comes from without a name</source>
        <translation>l&apos;immagine %1 indica la mod da cui proviene senza un nome</translation>
    </message>
    <message numerus="yes">
        <source>every picture that differs from the game&apos;s original is one an installed mod set (%n), and a package holds only your own changes unless you include the mods&apos; pictures</source>
        <translation>
            <numerusform>ogni immagine diversa dall&apos;originale del gioco è stata impostata da una mod installata (%n), e un pacchetto contiene solo le tue modifiche, a meno che tu non includa le immagini delle mod</numerusform>
            <numerusform>ogni immagine diversa dall&apos;originale del gioco è stata impostata da una mod installata (%n), e un pacchetto contiene solo le tue modifiche, a meno che tu non includa le immagini delle mod</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is %2 x %3 pixels, larger than the %4 x %5 Tessary takes from a mod</source>
        <translation>%1 è di %2 x %3 pixel, più dei %4 x %5 che Tessary accetta da una mod</translation>
    </message>
    <message>
        <source>%1 would bring the mod&apos;s decoded pictures past %2 MB, more than any menu mod holds</source>
        <translation>%1 porterebbe le immagini decodificate della mod oltre %2 MB, più di quanto contenga qualsiasi mod dei menu</translation>
    </message>
    <message>
        <source>a JPEG picture</source>
        <translation>un&apos;immagine JPEG</translation>
    </message>
    <message>
        <source>a GIF picture</source>
        <translation>un&apos;immagine GIF</translation>
    </message>
    <message>
        <source>a BMP picture</source>
        <translation>un&apos;immagine BMP</translation>
    </message>
    <message>
        <source>a WebP picture</source>
        <translation>un&apos;immagine WebP</translation>
    </message>
    <message>
        <source>is %1, not a PNG or TGA file, whatever its name says</source>
        <translation>è %1, non un file PNG o TGA, qualunque cosa dica il suo nome</translation>
    </message>
    <message>
        <source>save it as .png or .tga</source>
        <translation>salvala come .png o .tga</translation>
    </message>
    <message>
        <source>there is not enough memory to expand the archive (%1)</source>
        <translation>non c&apos;è abbastanza memoria per estrarre l&apos;archivio (%1)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is encrypted, which Tessary can&apos;t read (%2)</source>
        <translation>«%1» è cifrato e Tessary non può leggerlo (%2)</translation>
    </message>
    <message>
        <source>the archive is encrypted, which Tessary can&apos;t read (%1)</source>
        <translation>l&apos;archivio è cifrato e Tessary non può leggerlo (%1)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; fails its CRC check, so the archive is damaged (%2)</source>
        <translation>«%1» non supera il controllo CRC, quindi l&apos;archivio è danneggiato (%2)</translation>
    </message>
    <message>
        <source>the archive fails a CRC check, so it is damaged (%1)</source>
        <translation>l&apos;archivio non supera un controllo CRC, quindi è danneggiato (%1)</translation>
    </message>
    <message>
        <source>the archive is cut off at &quot;%1&quot;, as a download not finished is (%2)</source>
        <translation>l&apos;archivio si interrompe in «%1», come un download non terminato (%2)</translation>
    </message>
    <message>
        <source>the archive is cut off, as a download not finished is (%1)</source>
        <translation>l&apos;archivio è troncato, come un download non terminato (%1)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is compressed in a way Tessary can&apos;t expand (%2)</source>
        <translation>«%1» è compresso in un modo che Tessary non sa estrarre (%2)</translation>
    </message>
    <message>
        <source>the archive is compressed in a way Tessary can&apos;t expand (%1)</source>
        <translation>l&apos;archivio è compresso in un modo che Tessary non sa estrarre (%1)</translation>
    </message>
    <message>
        <source>the archive&apos;s compressed data is cut off or damaged (a download not finished?)</source>
        <translation>i dati compressi dell&apos;archivio sono troncati o danneggiati (un download non terminato?)</translation>
    </message>
    <message>
        <source>the archive is cut off: it ends without the end a tar archive has (a download not finished?)</source>
        <translation>l&apos;archivio è troncato: finisce senza la chiusura che ha un archivio tar (un download non terminato?)</translation>
    </message>
    <message>
        <source>the archive is cut off or damaged: %1 (a download not finished?)</source>
        <translation>l&apos;archivio è troncato o danneggiato: %1 (un download non terminato?)</translation>
    </message>
    <message>
        <source>the entry &quot;%1&quot; has a name that holds a NUL character, which no file name holds</source>
        <translation>la voce «%1» ha un nome che contiene un carattere NUL, che nessun nome di file contiene</translation>
    </message>
    <message>
        <source>it lacks the central directory at its end, the list of its files</source>
        <translation>gli manca la directory centrale alla fine, l&apos;elenco dei suoi file</translation>
    </message>
    <message>
        <source>its zip64 end record is missing</source>
        <translation>manca il suo record finale zip64</translation>
    </message>
    <message>
        <source>its central directory lies outside it</source>
        <translation>la sua directory centrale si trova al di fuori</translation>
    </message>
    <message>
        <source>its central directory is incomplete</source>
        <translation>la sua directory centrale è incompleta</translation>
    </message>
    <message>
        <source>an entry the central directory lists is missing</source>
        <translation>manca una voce elencata dalla directory centrale</translation>
    </message>
    <message numerus="yes">
        <source>its central directory lists %1 of the %n entries it says it holds</source>
        <translation>
            <numerusform>la sua directory centrale elenca %1 della voce che dice di contenere</numerusform>
            <numerusform>la sua directory centrale elenca %1 delle %n voci che dice di contenere</numerusform>
        </translation>
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
    <message>
        <source>a temporary folder can&apos;t be made there</source>
        <translation>non è possibile creare lì una cartella temporanea</translation>
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
    <message>
        <source>%1 (&quot;%2&quot; shows)</source>
        <translation>%1 (si vede «%2»)</translation>
    </message>
    <message>
        <source>%1 (none of the mods shows)</source>
        <translation>%1 (non si vede nessuna delle mod)</translation>
    </message>
    <message>
        <source>%1 (an edit shows)</source>
        <translation>%1 (si vede una modifica)</translation>
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
    <message>
        <source>Load a picture (.tga, .png)</source>
        <translation>Carica un&apos;immagine (.tga, .png)</translation>
    </message>
    <message>
        <source>Save the picture (.tga, .png)</source>
        <translation>Salva l&apos;immagine (.tga, .png)</translation>
    </message>
    <message>
        <source>Mods…</source>
        <translation>Mod…</translation>
    </message>
    <message>
        <source>Install a mod from a folder</source>
        <translation>Installa una mod da una cartella</translation>
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
    <message>
        <source>Save the images in %1 as .tga or as .png files?</source>
        <translation>Salvare le immagini in %1 come file .tga o .png?</translation>
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
        <translation>Non si può annullare «%1»: supera la capacità della cronologia</translation>
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
        <source>installation of %1</source>
        <translation>installazione di %1</translation>
    </message>
    <message>
        <source>uninstalling of %1</source>
        <translation>disinstallazione di %1</translation>
    </message>
    <message>
        <source>The mod &quot;%1&quot; is uninstalled as changes to apply; &quot;Apply All Changes&quot; writes them into the game folder.</source>
        <translation>La mod «%1» è disinstallata, ma non ancora applicata; «Applica tutto» la riporta nella cartella del gioco.</translation>
    </message>
    <message>
        <source>changing the game folder</source>
        <translation>di cambiare cartella del gioco</translation>
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
        <source>import of %1</source>
        <translation>importazione di %1</translation>
    </message>
    <message>
        <source>the record of installed mods</source>
        <translation>l&apos;elenco delle mod installate</translation>
    </message>
    <message>
        <source>the mods can&apos;t be installed or uninstalled: %1</source>
        <translation>le mod non possono essere installate né disinstallate: %1</translation>
    </message>
    <message>
        <source>Saves every image into a folder, as .tga or .png files</source>
        <translation>Salva tutte le immagini in una cartella, come file .tga o .png</translation>
    </message>
    <message>
        <source>Takes a .tga or .png file in place of the picture</source>
        <translation>Sostituisce l&apos;immagine con un file .tga o .png</translation>
    </message>
    <message>
        <source>Saves the picture as a .tga or .png file</source>
        <translation>Salva l&apos;immagine come file .tga o .png</translation>
    </message>
    <message>
        <source>The image editor&apos;s save of %1 was not taken: %2</source>
        <translation>Il salvataggio di %1 dall&apos;editor di immagini non è stato accolto: %2</translation>
    </message>
    <message numerus="yes">
        <source>import of %n pictures</source>
        <translation>
            <numerusform>importazione di %n immagine</numerusform>
            <numerusform>importazione di %n immagini</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n pictures imported</source>
        <translation>
            <numerusform>%n immagine importata</numerusform>
            <numerusform>%n immagini importate</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n images and %1 font sheets loaded</source>
        <translation>
            <numerusform>%n immagine e %1 fogli font caricati</numerusform>
            <numerusform>%n immagini e %1 fogli font caricati</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files written to the game folder</source>
        <translation>
            <numerusform>%n file scritto nella cartella del gioco</numerusform>
            <numerusform>%n file scritti nella cartella del gioco</numerusform>
        </translation>
    </message>
    <message>
        <source>Game folder: %1</source>
        <translation>Cartella del gioco: %1</translation>
    </message>
    <message>
        <source>%1
Click to open it in the file manager.</source>
        <translation>%1
Fare clic per aprirla nel gestore file.</translation>
    </message>
    <message>
        <source>The file manager could not be started to show %1.</source>
        <translation>Non è stato possibile avviare il gestore file per mostrare %1.</translation>
    </message>
    <message>
        <source>%1 (&quot;%2&quot;)</source>
        <translation>%1 («%2»)</translation>
    </message>
    <message>
        <source>
Left out, as installed mods set them: %1</source>
        <translation>
Escluse, perché le impostano mod installate: %1</translation>
    </message>
    <message numerus="yes">
        <source>Saved %n pictures as the mod package %1:
%2</source>
        <translation>
            <numerusform>%n immagine salvata nel pacchetto mod %1:
%2</numerusform>
            <numerusform>%n immagini salvate nel pacchetto mod %1:
%2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>
%n pictures go back to what lies below: %1</source>
        <translation>
            <numerusform>
%n immagine torna a ciò che c&apos;è sotto: %1</numerusform>
            <numerusform>
%n immagini tornano a ciò che c&apos;è sotto: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>
%n pictures stay as they are, covered since: %1</source>
        <translation>
            <numerusform>
%n immagine resta com&apos;è, coperta nel frattempo: %1</numerusform>
            <numerusform>
%n immagini restano come sono, coperte nel frattempo: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n images saved</source>
        <translation>
            <numerusform>%n immagine salvata</numerusform>
            <numerusform>%n immagini salvate</numerusform>
        </translation>
    </message>
    <message>
        <source>switching on of %1</source>
        <translation>attivazione di %1</translation>
    </message>
    <message>
        <source>switching off of %1</source>
        <translation>disattivazione di %1</translation>
    </message>
    <message>
        <source>moving of %1</source>
        <translation>spostamento di %1</translation>
    </message>
    <message>
        <source>saving of the profile %1</source>
        <translation>salvataggio del profilo %1</translation>
    </message>
    <message>
        <source>switching to the profile %1</source>
        <translation>passaggio al profilo %1</translation>
    </message>
</context>
<context>
    <name>TFormInstallPreview</name>
    <message>
        <source>. Installing makes these changes in Tessary; &quot;Apply All Changes&quot; writes them into the game folder.</source>
        <translation>. L&apos;installazione apporta queste modifiche in Tessary; «Applica tutto» le scrive nella cartella del gioco.</translation>
    </message>
    <message>
        <source>Install the mod &quot;%1&quot;?</source>
        <translation>Installare la mod «%1»?</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Installa</translation>
    </message>
    <message numerus="yes">
        <source>%n pictures change</source>
        <translation>
            <numerusform>%n immagine cambia</numerusform>
            <numerusform>%n immagini cambiano</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; %n are the same already</source>
        <translation>
            <numerusform>; %n è già uguale</numerusform>
            <numerusform>; %n sono già uguali</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TFormInstalledMods</name>
    <message>
        <source>No mod is installed in this game folder.</source>
        <translation>Nessuna mod è installata in questa cartella del gioco.</translation>
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
    <message>
        <source>The mods of this game folder: where two set a picture, the lower one in the list shows.</source>
        <translation>Le mod di questa cartella del gioco: se due impostano la stessa immagine, si vede quella più in basso nell&apos;elenco.</translation>
    </message>
    <message>
        <source>Changes not yet applied: &quot;Apply All Changes&quot; writes them into the game folder.</source>
        <translation>Modifiche non ancora applicate: «Applica tutto» le scrive nella cartella del gioco.</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Sposta su</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Sposta giù</translation>
    </message>
    <message>
        <source>Switched off: its pictures don&apos;t show; switch it on to show them again.</source>
        <translation>Disattivata: le sue immagini non si vedono; attivala per mostrarle di nuovo.</translation>
    </message>
    <message>
        <source>Set by other mods too: %1</source>
        <translation>Impostate anche da altre mod: %1</translation>
    </message>
    <message>
        <source>Install…</source>
        <translation>Installa…</translation>
    </message>
    <message>
        <source>From an archive…</source>
        <translation>Da un archivio…</translation>
    </message>
    <message>
        <source>From a folder…</source>
        <translation>Da una cartella…</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Stato</translation>
    </message>
    <message>
        <source>to apply</source>
        <translation>da applicare</translation>
    </message>
    <message>
        <source>applied</source>
        <translation>applicata</translation>
    </message>
    <message>
        <source>Profile:</source>
        <translation>Profilo:</translation>
    </message>
    <message>
        <source>(none in use)</source>
        <translation>(nessuno in uso)</translation>
    </message>
    <message>
        <source>Save as profile…</source>
        <translation>Salva come profilo…</translation>
    </message>
    <message>
        <source>Keep the mods on now, in their order, as the profile:</source>
        <translation>Salva le mod attive, nel loro ordine, come il profilo:</translation>
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
    <message>
        <source>Every picture of your own that differs from the game&apos;s original goes into the package, with your changes not yet applied.</source>
        <translation>Ogni tua immagine diversa dall&apos;originale del gioco entra nel pacchetto, comprese le tue modifiche non ancora applicate.</translation>
    </message>
    <message>
        <source>Pictures that installed mods set are their authors&apos; work: without this they stay out of the package; with it, the manifest names each one&apos;s mod and author.</source>
        <translation>Le immagini impostate dalle mod installate sono opera dei loro autori: senza questa opzione restano fuori dal pacchetto; con essa, il manifesto indica mod e autore di ciascuna.</translation>
    </message>
    <message numerus="yes">
        <source>Include %n pictures of installed mods, crediting their mods</source>
        <translation>
            <numerusform>Includi %n immagine di una mod installata, citandone la mod</numerusform>
            <numerusform>Includi %n immagini di mod installate, citandone le mod</numerusform>
        </translation>
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
