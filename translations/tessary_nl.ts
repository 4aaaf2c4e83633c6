<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>CoreMessages</name>
    <message>
        <source>file not found</source>
        <translation>bestand niet gevonden</translation>
    </message>
    <message>
        <source>folder not found</source>
        <translation>map niet gevonden</translation>
    </message>
    <message>
        <source>access denied</source>
        <translation>toegang geweigerd</translation>
    </message>
    <message>
        <source>reading beyond the end of the file</source>
        <translation>lezen voorbij het einde van het bestand</translation>
    </message>
    <message>
        <source>disk full</source>
        <translation>schijf vol</translation>
    </message>
    <message>
        <source>the file system is read-only</source>
        <translation>het bestandssysteem is alleen-lezen</translation>
    </message>
    <message>
        <source>is a folder, not a file</source>
        <translation>is een map, geen bestand</translation>
    </message>
    <message>
        <source>is a file, not a folder</source>
        <translation>is een bestand, geen map</translation>
    </message>
    <message>
        <source>is not a folder</source>
        <translation>is geen map</translation>
    </message>
    <message>
        <source>is not a regular file (a pipe or a device)</source>
        <translation>is geen gewoon bestand (een pipe of een apparaat)</translation>
    </message>
    <message>
        <source>is a symbolic link, which Tessary does not follow</source>
        <translation>is een symbolische koppeling, die Tessary niet volgt</translation>
    </message>
    <message>
        <source>the path is too long</source>
        <translation>het pad is te lang</translation>
    </message>
    <message>
        <source>the file is in use by another program</source>
        <translation>het bestand is in gebruik door een ander programma</translation>
    </message>
    <message>
        <source>nothing was changed</source>
        <translation>er is niets gewijzigd</translation>
    </message>
    <message>
        <source>nothing was written</source>
        <translation>er is niets geschreven</translation>
    </message>
    <message>
        <source>error code %1 (%2)</source>
        <translation>foutcode %1 (%2)</translation>
    </message>
    <message>
        <source>another program changed this file since Tessary loaded them: %1</source>
        <translation>een ander programma heeft dit bestand gewijzigd sinds Tessary het laadde: %1</translation>
    </message>
    <message>
        <source>another program changed these files since Tessary loaded them: %1</source>
        <translation>een ander programma heeft deze bestanden gewijzigd sinds Tessary ze laadde: %1</translation>
    </message>
    <message>
        <source>another program changed the record of installed mods since Tessary read it</source>
        <translation>een ander programma heeft de lijst van geïnstalleerde mods gewijzigd sinds Tessary die las</translation>
    </message>
    <message>
        <source>another program is writing this game folder</source>
        <translation>een ander programma schrijft naar deze spelmap</translation>
    </message>
    <message>
        <source>another program is reading this game folder</source>
        <translation>een ander programma leest deze spelmap</translation>
    </message>
    <message>
        <source>try again when it has finished</source>
        <translation>probeer het opnieuw als het klaar is</translation>
    </message>
    <message>
        <source>try again in a moment</source>
        <translation>probeer het zo meteen opnieuw</translation>
    </message>
    <message>
        <source>the files already replaced were put back, so nothing was changed</source>
        <translation>de al vervangen bestanden zijn teruggezet, dus er is niets gewijzigd</translation>
    </message>
    <message>
        <source>the game folder is not loaded completely</source>
        <translation>de spelmap is niet volledig geladen</translation>
    </message>
    <message>
        <source>holds fewer pixels than its byte count</source>
        <translation>bevat minder pixels dan het aantal bytes aangeeft</translation>
    </message>
    <message>
        <source>this program reads no .png files</source>
        <translation>dit programma leest geen .png-bestanden</translation>
    </message>
    <message>
        <source>there is no menu image number %1</source>
        <translation>er is geen menuafbeelding nummer %1</translation>
    </message>
    <message>
        <source>there is no font number %1</source>
        <translation>er is geen lettertype nummer %1</translation>
    </message>
    <message>
        <source>save the picture with 24 or 32 bits per pixel</source>
        <translation>sla de afbeelding op met 24 of 32 bits per pixel</translation>
    </message>
    <message>
        <source>Sorry but Tessary can&apos;t read RLE encoded .tga files.</source>
        <translation>Helaas kan Tessary geen RLE-gecomprimeerde .tga-bestanden lezen.</translation>
    </message>
    <message>
        <source>reading beyond the end of the file (%1)</source>
        <translation>lezen voorbij het einde van het bestand (%1)</translation>
    </message>
    <message>
        <source>is a link, which Tessary does not follow</source>
        <translation>is een koppeling, die Tessary niet volgt</translation>
    </message>
    <message>
        <source>is not a plain file</source>
        <translation>is geen gewoon bestand</translation>
    </message>
    <message>
        <source>%1 is not a plain file</source>
        <translation>%1 is geen gewoon bestand</translation>
    </message>
    <message>
        <source>holds %1 bytes, more than such a file ever holds</source>
        <translation>bevat %1 bytes, meer dan zo&apos;n bestand ooit bevat</translation>
    </message>
    <message>
        <source>error code %1</source>
        <translation>foutcode %1</translation>
    </message>
    <message>
        <source>the image count %1 is negative</source>
        <translation>het aantal afbeeldingen %1 is negatief</translation>
    </message>
    <message>
        <source>the index lists %1 image slots but holds only %2 bytes</source>
        <translation>de index noemt %1 afbeeldingsplaatsen maar bevat maar %2 bytes</translation>
    </message>
    <message>
        <source>entry %1 runs past the end of the file</source>
        <translation>item %1 loopt door voorbij het einde van het bestand</translation>
    </message>
    <message>
        <source>the font table count %1 is negative</source>
        <translation>het aantal items %1 van de lettertypetabel is negatief</translation>
    </message>
    <message>
        <source>a table of %1 entries and a sheet need %2 bytes, the file has %3</source>
        <translation>een tabel van %1 items en een blad hebben %2 bytes nodig, het bestand heeft er %3</translation>
    </message>
    <message>
        <source>the image file holds %1 bytes, more than an image can hold</source>
        <translation>het afbeeldingsbestand bevat %1 bytes, meer dan een afbeelding kan bevatten</translation>
    </message>
    <message>
        <source>holds no menu image number %1</source>
        <translation>bevat geen menuafbeelding nummer %1</translation>
    </message>
    <message>
        <source>the game&apos;s original index has no entry for image %1</source>
        <translation>de originele index van het spel heeft geen item voor afbeelding %1</translation>
    </message>
    <message>
        <source>the kept original holds %1 bytes, but the game&apos;s index gives image %2 %3 × %4 pixels (%5 bytes)</source>
        <translation>het bewaarde origineel bevat %1 bytes, maar de index van het spel geeft afbeelding %2 %3 × %4 pixels (%5 bytes)</translation>
    </message>
    <message>
        <source>Tessary does not restore it</source>
        <translation>Tessary zet het niet terug</translation>
    </message>
    <message>
        <source>is not a file of the record of installed mods</source>
        <translation>is geen bestand van de lijst van geïnstalleerde mods</translation>
    </message>
    <message>
        <source>Tessary replaces only plain game files</source>
        <translation>Tessary vervangt alleen gewone spelbestanden</translation>
    </message>
    <message>
        <source>Tessary keeps the game&apos;s original files there</source>
        <translation>daar bewaart Tessary de originele bestanden van het spel</translation>
    </message>
    <message>
        <source>Tessary keeps the game&apos;s original of %1 there</source>
        <translation>daar bewaart Tessary het origineel van %1</translation>
    </message>
    <message>
        <source>lies on another drive than the game files, so Tessary can&apos;t keep the game&apos;s original files there</source>
        <translation>staat op een ander station dan de spelbestanden, dus Tessary kan daar de originele bestanden van het spel niet bewaren</translation>
    </message>
    <message>
        <source>putting the earlier files back failed too (%1)</source>
        <translation>ook het terugzetten van de eerdere bestanden is mislukt (%1)</translation>
    </message>
    <message>
        <source>Tessary finishes the write-back the next time it opens this game folder</source>
        <translation>Tessary maakt de schrijfactie af wanneer het deze spelmap de volgende keer opent</translation>
    </message>
    <message>
        <source>The game&apos;s original of %1 could not be kept in tessary-originals (%2)</source>
        <translation>Het origineel van %1 kon niet in tessary-originals worden bewaard (%2)</translation>
    </message>
    <message>
        <source>it stays beside it as %1, and Tessary tries again the next time it opens this game folder.</source>
        <translation>het blijft ernaast staan als %1, en Tessary probeert het opnieuw wanneer het deze spelmap de volgende keer opent.</translation>
    </message>
    <message>
        <source>the record of an interrupted write-back is damaged (%1)</source>
        <translation>het logboek van een onderbroken schrijfactie is beschadigd (%1)</translation>
    </message>
    <message>
        <source>Tessary leaves the folder as it is. Move this file away to use the folder again</source>
        <translation>Tessary laat de map zoals hij is. Verplaats dit bestand naar elders om de map weer te gebruiken</translation>
    </message>
    <message>
        <source>it holds %1 bytes, far more than any record Tessary writes</source>
        <translation>het bevat %1 bytes, veel meer dan welk logboek van Tessary ook</translation>
    </message>
    <message>
        <source>it does not begin as Tessary writes it</source>
        <translation>het begin komt niet overeen met wat Tessary schrijft</translation>
    </message>
    <message>
        <source>its end does not match its entries</source>
        <translation>het einde klopt niet met de items</translation>
    </message>
    <message>
        <source>line %1 is not an entry</source>
        <translation>regel %1 is geen item</translation>
    </message>
    <message>
        <source>it names %1, which is not a game file</source>
        <translation>het noemt %1, dat geen spelbestand is</translation>
    </message>
    <message>
        <source>it names %1 twice</source>
        <translation>het noemt %1 twee keer</translation>
    </message>
    <message>
        <source>it names files that Tessary does not write beside %1</source>
        <translation>het noemt bestanden die Tessary niet naast %1 schrijft</translation>
    </message>
    <message>
        <source>it ends before its last line</source>
        <translation>het eindigt vóór de laatste regel</translation>
    </message>
    <message>
        <source>it does not match the files on disk: %1</source>
        <translation>het klopt niet met de bestanden op de schijf: %1</translation>
    </message>
    <message>
        <source>%1 exists, though the record says it did not before the write-back</source>
        <translation>%1 bestaat, hoewel het logboek zegt dat het vóór de schrijfactie niet bestond</translation>
    </message>
    <message>
        <source>%1 and its new file are both missing</source>
        <translation>%1 en het nieuwe bestand ervan ontbreken allebei</translation>
    </message>
    <message>
        <source>%1, its original and its new file are all there at once</source>
        <translation>%1, het origineel en het nieuwe bestand zijn er alle drie tegelijk</translation>
    </message>
    <message>
        <source>%1 and the original the record moved aside are both missing</source>
        <translation>%1 en het origineel dat volgens het logboek opzij is gezet, ontbreken allebei</translation>
    </message>
    <message>
        <source>a write-back to this game folder was cut short, and Tessary can&apos;t finish or undo it</source>
        <translation>een schrijfactie naar deze spelmap is onderbroken, en Tessary kan die niet afmaken of ongedaan maken</translation>
    </message>
    <message>
        <source>A write-back to %1 was cut short</source>
        <translation>Een schrijfactie naar %1 is onderbroken</translation>
    </message>
    <message>
        <source>Tessary has put the earlier files back, so the folder is as it was before it.</source>
        <translation>Tessary heeft de eerdere bestanden teruggezet, dus de map is zoals hij ervoor was.</translation>
    </message>
    <message>
        <source>Tessary removed %1 that an earlier write-back to %2 left behind</source>
        <translation>Van wat een eerdere schrijfactie naar %2 had achtergelaten, heeft Tessary %1 verwijderd</translation>
    </message>
    <message>
        <source>Tessary kept %1 in tessary-originals that an earlier write-back to %2 left behind</source>
        <translation>Van wat een eerdere schrijfactie naar %2 had achtergelaten, heeft Tessary %1 in tessary-originals bewaard</translation>
    </message>
    <message>
        <source>Tessary removed %1 and kept %2 in tessary-originals that an earlier write-back to %3 left behind</source>
        <translation>Van wat een eerdere schrijfactie naar %3 had achtergelaten, heeft Tessary %1 verwijderd en %2 in tessary-originals bewaard</translation>
    </message>
    <message>
        <source>the game files were not touched.</source>
        <translation>de spelbestanden zijn niet aangeraakt.</translation>
    </message>
    <message>
        <source>colour map type %1 is not one the .tga format defines</source>
        <translation>kleurtabeltype %1 bestaat niet in het .tga-formaat</translation>
    </message>
    <message>
        <source>this is not a .tga file Tessary can read</source>
        <translation>dit is geen .tga-bestand dat Tessary kan lezen</translation>
    </message>
    <message>
        <source>the file holds no picture (image type 0)</source>
        <translation>het bestand bevat geen afbeelding (afbeeldingstype 0)</translation>
    </message>
    <message>
        <source>the file is colour-mapped (image type 1) but holds no colour map</source>
        <translation>het bestand gebruikt een kleurtabel (afbeeldingstype 1) maar bevat er geen</translation>
    </message>
    <message>
        <source>only 8-bit indices can</source>
        <translation>alleen die met 8-bits indexen</translation>
    </message>
    <message>
        <source>colour maps with %1-bit entries can&apos;t be read</source>
        <translation>kleurtabellen met %1-bits items kunnen niet worden gelezen</translation>
    </message>
    <message>
        <source>save the picture with a 24- or 32-bit colour map, or as 24- or 32-bit true-colour</source>
        <translation>sla de afbeelding op met een 24- of 32-bits kleurtabel, of als 24- of 32-bits truecolor</translation>
    </message>
    <message>
        <source>only 8-bit grey-scale can</source>
        <translation>alleen die met 8-bits grijswaarden</translation>
    </message>
    <message>
        <source>image type %1 is not an uncompressed true-colour, colour-mapped or grey-scale .tga file</source>
        <translation>afbeeldingstype %1 is geen ongecomprimeerd .tga-bestand in truecolor, met kleurtabel of in grijswaarden</translation>
    </message>
    <message>
        <source>the header announces a %1 picture of %2 bits per pixel, which needs %3 bytes, but the file has only %4</source>
        <translation>de kop kondigt een afbeelding van %1 met %2 bits per pixel aan, die %3 bytes nodig heeft, maar het bestand heeft er maar %4</translation>
    </message>
    <message>
        <source>pixel (%1, %2) uses colour %3, which the file&apos;s colour map does not hold</source>
        <translation>pixel (%1, %2) gebruikt kleur %3, die niet in de kleurtabel van het bestand staat</translation>
    </message>
    <message>
        <source>is not a .png file: it does not start with the PNG signature</source>
        <translation>is geen .png-bestand: het begint niet met de PNG-handtekening</translation>
    </message>
    <message>
        <source>the PNG&apos;s palette or transparency is damaged (%1), so its pixels are not defined</source>
        <translation>het palet of de transparantie van de PNG is beschadigd (%1), dus de pixels liggen niet vast</translation>
    </message>
    <message>
        <source>the PNG data is damaged or cut short (%1)</source>
        <translation>de PNG-gegevens zijn beschadigd of afgekapt (%1)</translation>
    </message>
    <message>
        <source>the file is too short for a %1 picture</source>
        <translation>het bestand is te kort voor een afbeelding van %1</translation>
    </message>
    <message>
        <source>the file ends before the picture does</source>
        <translation>het bestand houdt eerder op dan de afbeelding</translation>
    </message>
    <message>
        <source>pixel (%1, %2) has colour number %3, but the palette holds only %4 colours</source>
        <translation>pixel (%1, %2) heeft kleurnummer %3, maar het palet bevat maar %4 kleuren</translation>
    </message>
    <message>
        <source>the PNG picture can&apos;t be made (%1)</source>
        <translation>de PNG-afbeelding kan niet worden gemaakt (%1)</translation>
    </message>
    <message>
        <source>a %1 picture needs %2 bytes, more than the 2147483647 a menu image can hold</source>
        <translation>een afbeelding van %1 heeft %2 bytes nodig, meer dan de 2147483647 die een menuafbeelding kan bevatten</translation>
    </message>
    <message>
        <source>the picture is %1 pixels</source>
        <translation>de afbeelding is %1 pixels</translation>
    </message>
    <message>
        <source>a font sheet must be 256 x 256</source>
        <translation>een lettertypeblad moet 256 x 256 zijn</translation>
    </message>
    <message>
        <source>not enough memory</source>
        <translation>niet genoeg geheugen</translation>
    </message>
    <message>
        <source>not enough memory to read a .png file</source>
        <translation>niet genoeg geheugen om een .png-bestand te lezen</translation>
    </message>
    <message>
        <source>not enough memory to read a %1 picture</source>
        <translation>niet genoeg geheugen om een afbeelding van %1 te lezen</translation>
    </message>
    <message>
        <source>not enough memory for a %1 picture</source>
        <translation>niet genoeg geheugen voor een afbeelding van %1</translation>
    </message>
    <message>
        <source>image %1 (%2 x %3 pixels) holds no picture a .png file can hold</source>
        <translation>afbeelding %1 (%2 x %3 pixels) bevat geen afbeelding die een .png-bestand kan bevatten</translation>
    </message>
    <message>
        <source>image %1 (%2 x %3 pixels) holds %4 bytes instead of %5</source>
        <translation>afbeelding %1 (%2 x %3 pixels) bevat %4 bytes in plaats van %5</translation>
    </message>
    <message>
        <source>save it as .tga</source>
        <translation>sla het op als .tga</translation>
    </message>
    <message>
        <source>a .png file holds only whole pictures, so save it as .tga</source>
        <translation>een .png-bestand bevat alleen hele afbeeldingen, dus sla het op als .tga</translation>
    </message>
    <message>
        <source>there is no font sheet number %1</source>
        <translation>er is geen lettertypeblad nummer %1</translation>
    </message>
    <message>
        <source>font sheet %1 holds %2 bytes instead of 65536</source>
        <translation>lettertypeblad %1 bevat %2 bytes in plaats van 65536</translation>
    </message>
    <message>
        <source>holds no picture a .png file can hold</source>
        <translation>bevat geen afbeelding die een .png-bestand kan bevatten</translation>
    </message>
    <message>
        <source>holds %1 bytes instead of 65536</source>
        <translation>bevat %1 bytes in plaats van 65536</translation>
    </message>
    <message>
        <source>image %1 is %2 pixels wide</source>
        <translation>afbeelding %1 is %2 pixels breed</translation>
    </message>
    <message>
        <source>image %1 is %2 pixels high</source>
        <translation>afbeelding %1 is %2 pixels hoog</translation>
    </message>
    <message>
        <source>a .tga file can only hold 0 to 65535</source>
        <translation>een .tga-bestand kan alleen 0 tot en met 65535 bevatten</translation>
    </message>
    <message>
        <source>image %1 has a negative byte count (%2)</source>
        <translation>afbeelding %1 heeft een negatief aantal bytes (%2)</translation>
    </message>
    <message>
        <source>there is no menu image number %1 to replace</source>
        <translation>er is geen menuafbeelding nummer %1 om te vervangen</translation>
    </message>
    <message>
        <source>there is no font sheet number %1 to replace</source>
        <translation>er is geen lettertypeblad nummer %1 om te vervangen</translation>
    </message>
    <message>
        <source>these files all name the same image: %1</source>
        <translation>deze bestanden noemen allemaal dezelfde afbeelding: %1</translation>
    </message>
    <message>
        <source>these files all name the same font sheet: %1</source>
        <translation>deze bestanden noemen allemaal hetzelfde lettertypeblad: %1</translation>
    </message>
    <message>
        <source>rename or remove all but one</source>
        <translation>hernoem of verwijder ze op één na allemaal</translation>
    </message>
    <message>
        <source>No picture was imported.</source>
        <translation>Er is geen afbeelding geïmporteerd.</translation>
    </message>
    <message>
        <source>No picture was imported from %1.</source>
        <translation>Er is geen afbeelding geïmporteerd uit %1.</translation>
    </message>
    <message>
        <source>the archive is damaged (%1)</source>
        <translation>het archief is beschadigd (%1)</translation>
    </message>
    <message>
        <source>the archive is damaged at &quot;%1&quot; (%2)</source>
        <translation>het archief is beschadigd bij ‘%1’ (%2)</translation>
    </message>
    <message>
        <source>this build of Tessary can&apos;t expand archives compressed as this one is</source>
        <translation>deze versie van Tessary kan archieven die zo gecomprimeerd zijn niet uitpakken</translation>
    </message>
    <message>
        <source>the archive holds %1 bytes, more than Tessary reads (%2)</source>
        <translation>het archief bevat %1 bytes, meer dan Tessary leest (%2)</translation>
    </message>
    <message>
        <source>is not an archive Tessary can read (%1)</source>
        <translation>is geen archief dat Tessary kan lezen (%1)</translation>
    </message>
    <message>
        <source>the archive holds more than %1 entries</source>
        <translation>het archief bevat meer dan %1 items</translation>
    </message>
    <message>
        <source>the folder holds more than %1 files and folders</source>
        <translation>de map bevat meer dan %1 bestanden en mappen</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is encrypted, which Tessary can&apos;t read</source>
        <translation>‘%1’ is versleuteld, en dat kan Tessary niet lezen</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a link, which Tessary does not follow</source>
        <translation>‘%1’ is een koppeling, die Tessary niet volgt</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a device or another special file, not a file</source>
        <translation>‘%1’ is een apparaat of een ander speciaal bestand, geen gewoon bestand</translation>
    </message>
    <message>
        <source>&quot;%1&quot; expands more than %2 times over what it takes in the archive, as a zip bomb does</source>
        <translation>‘%1’ wordt bij het uitpakken meer dan %2 keer zo groot als in het archief, zoals bij een zipbom</translation>
    </message>
    <message>
        <source>&quot;%1&quot; would make the archive expand past %2 MB, more than any menu mod holds (a zip bomb?)</source>
        <translation>‘%1’ zou het uitgepakte archief groter maken dan %2 MB, meer dan welke menumod ook bevat (een zipbom?)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; would take the mod past %2 MB, more than any menu mod holds</source>
        <translation>‘%1’ zou de mod groter maken dan %2 MB, meer dan welke menumod ook bevat</translation>
    </message>
    <message>
        <source>&quot;%1&quot; lies more than %2 folders deep</source>
        <translation>‘%1’ ligt meer dan %2 mappen diep</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has no name</source>
        <translation>‘%1’ heeft geen naam</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has a name that is not valid text (UTF-8)</source>
        <translation>‘%1’ heeft een naam die geen geldige tekst (UTF-8) is</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has a control character in its name</source>
        <translation>‘%1’ heeft een stuurteken in de naam</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is named by an absolute path</source>
        <translation>‘%1’ heeft een absoluut pad als naam</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is named with a drive letter</source>
        <translation>‘%1’ heeft een stationsletter in de naam</translation>
    </message>
    <message>
        <source>&quot;%1&quot; climbs out of the archive&apos;s folder (&quot;..&quot;)</source>
        <translation>‘%1’ klimt uit de map van het archief (&quot;..&quot;)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has &apos;:&apos; in its name, which Windows reads as a drive or a stream</source>
        <translation>‘%1’ heeft &apos;:&apos; in de naam, wat Windows leest als station of stream</translation>
    </message>
    <message>
        <source>&quot;%1&quot; lies in a folder that has the name of a file: &quot;%2&quot;</source>
        <translation>‘%1’ ligt in een map met de naam van een bestand: ‘%2’</translation>
    </message>
    <message>
        <source>&quot;%1&quot; appears twice (letter case aside)</source>
        <translation>‘%1’ komt twee keer voor (hoofdletters buiten beschouwing)</translation>
    </message>
    <message>
        <source>holds no menu image or font sheet of this game that Tessary could take</source>
        <translation>bevat geen menuafbeelding of lettertypeblad van dit spel dat Tessary kan overnemen</translation>
    </message>
    <message>
        <source>holds no menu image or font sheet of this game that Tessary could take (%1)</source>
        <translation>bevat geen menuafbeelding of lettertypeblad van dit spel dat Tessary kan overnemen (%1)</translation>
    </message>
    <message>
        <source>holds game files in two folders, &quot;%1&quot; and &quot;%2&quot;</source>
        <translation>bevat spelbestanden in twee mappen, ‘%1’ en ‘%2’</translation>
    </message>
    <message>
        <source>&quot;%1&quot; and &quot;%2&quot; both name %3</source>
        <translation>‘%1’ en ‘%2’ noemen allebei %3</translation>
    </message>
    <message>
        <source>Tessary can&apos;t tell which of them the mod means</source>
        <translation>Tessary kan niet weten welke de mod bedoelt</translation>
    </message>
    <message>
        <source>%1 is image %2, but this game has images 1 to %3 only</source>
        <translation>%1 is afbeelding %2, maar dit spel heeft alleen afbeeldingen 1 tot en met %3</translation>
    </message>
    <message>
        <source>the mod&apos;s Gp2001.gph lists %1 images, this game&apos;s index %2, and it has no entry for %3</source>
        <translation>de Gp2001.gph van de mod noemt %1 afbeeldingen, de index van dit spel %2, en heeft geen item voor %3</translation>
    </message>
    <message>
        <source>%1 holds %2 bytes, but its entry in the mod&apos;s Gp2001.gph says %3 (%4 bytes)</source>
        <translation>%1 bevat %2 bytes, maar het item ervan in de Gp2001.gph van de mod zegt %3 (%4 bytes)</translation>
    </message>
    <message>
        <source>%1 holds %2 bytes, but its entry in the game&apos;s index (the mod ships none) says %3 (%4 bytes)</source>
        <translation>%1 bevat %2 bytes, maar het item ervan in de index van het spel (de mod levert er geen) zegt %3 (%4 bytes)</translation>
    </message>
    <message>
        <source>%1 x %2 pixels</source>
        <translation>%1 x %2 pixels</translation>
    </message>
    <message>
        <source>holds %1 bytes, not one index entry</source>
        <translation>bevat %1 bytes, niet één indexitem</translation>
    </message>
    <message>
        <source>The mod&apos;s Gp2001.gph also changes the entries of images it does not ship</source>
        <translation>De Gp2001.gph van de mod wijzigt ook de items van afbeeldingen die de mod niet meelevert</translation>
    </message>
    <message>
        <source>Tessary leaves them as they are</source>
        <translation>Tessary laat ze zoals ze zijn</translation>
    </message>
    <message>
        <source>Font files with another header or table than the game&apos;s: only their pictures are taken: %1</source>
        <translation>Lettertypebestanden met een andere kop of tabel dan die van het spel (alleen hun afbeeldingen worden overgenomen): %1</translation>
    </message>
    <message>
        <source>Files that are no game file were left out: %1</source>
        <translation>Bestanden die geen spelbestand zijn, zijn weggelaten: %1</translation>
    </message>
    <message>
        <source>Files that name no menu image or font sheet of this game were left out: %1</source>
        <translation>Bestanden die geen menuafbeelding of lettertypeblad van dit spel noemen, zijn weggelaten: %1</translation>
    </message>
    <message>
        <source>The package was made over other pictures than this game&apos;s originals: %1</source>
        <translation>Het pakket is gemaakt op andere afbeeldingen dan de originelen van dit spel: %1</translation>
    </message>
    <message>
        <source>Files its manifest does not list were left out: %1</source>
        <translation>Bestanden die niet in het manifest staan, zijn weggelaten: %1</translation>
    </message>
    <message>
        <source>tessary-mod.json is damaged: %1</source>
        <translation>tessary-mod.json is beschadigd: %1</translation>
    </message>
    <message>
        <source>the mod package was made by a newer Tessary (package version %1)</source>
        <translation>het modpakket is gemaakt met een nieuwere Tessary (pakketversie %1)</translation>
    </message>
    <message>
        <source>this one reads version %1</source>
        <translation>deze leest versie %1</translation>
    </message>
    <message>
        <source>it is not a JSON object</source>
        <translation>het is geen JSON-object</translation>
    </message>
    <message>
        <source>&quot;format&quot; is not &quot;Tessary mod package&quot;</source>
        <translation>&quot;format&quot; is niet &quot;Tessary mod package&quot;</translation>
    </message>
    <message>
        <source>&quot;name&quot; is empty</source>
        <translation>&quot;name&quot; is leeg</translation>
    </message>
    <message>
        <source>&quot;created&quot; is not a time such as 2026-05-04T12:34:56Z</source>
        <translation>&quot;created&quot; is geen tijdstip zoals 2026-05-04T12:34:56Z</translation>
    </message>
    <message>
        <source>&quot;pictures&quot; is not a list of at most %1 pictures</source>
        <translation>&quot;pictures&quot; is geen lijst van hoogstens %1 afbeeldingen</translation>
    </message>
    <message>
        <source>%1 is listed twice</source>
        <translation>%1 staat er twee keer in</translation>
    </message>
    <message>
        <source>the manifest has no &quot;%1&quot;</source>
        <translation>het manifest heeft geen &quot;%1&quot;</translation>
    </message>
    <message>
        <source>the manifest has an unknown key &quot;%1&quot;</source>
        <translation>het manifest heeft een onbekende sleutel &quot;%1&quot;</translation>
    </message>
    <message>
        <source>&quot;%1&quot; of the manifest is not text</source>
        <translation>&quot;%1&quot; van het manifest is geen tekst</translation>
    </message>
    <message>
        <source>&quot;%1&quot; of the manifest is longer than %2 bytes</source>
        <translation>&quot;%1&quot; van het manifest is langer dan %2 bytes</translation>
    </message>
    <message>
        <source>&quot;%1&quot; of the manifest holds a control character</source>
        <translation>&quot;%1&quot; van het manifest bevat een stuurteken</translation>
    </message>
    <message>
        <source>&quot;%1&quot; of the manifest is not a whole number from %2 to %3</source>
        <translation>&quot;%1&quot; van het manifest is geen geheel getal van %2 tot en met %3</translation>
    </message>
    <message>
        <source>picture %1 is not an object</source>
        <translation>afbeelding %1 is geen object</translation>
    </message>
    <message>
        <source>picture %1 has no &quot;%2&quot;</source>
        <translation>afbeelding %1 heeft geen &quot;%2&quot;</translation>
    </message>
    <message>
        <source>picture %1 has an unknown key &quot;%2&quot;</source>
        <translation>afbeelding %1 heeft een onbekende sleutel &quot;%2&quot;</translation>
    </message>
    <message>
        <source>picture %1 must name either an &quot;image&quot; or a &quot;font&quot;</source>
        <translation>afbeelding %1 moet óf &quot;image&quot; óf &quot;font&quot; noemen</translation>
    </message>
    <message>
        <source>picture %1 names no font of the game: &quot;%2&quot;</source>
        <translation>afbeelding %1 noemt geen lettertype van het spel: &quot;%2&quot;</translation>
    </message>
    <message>
        <source>picture %1 must be in the file &quot;%2&quot;</source>
        <translation>afbeelding %1 moet in het bestand &quot;%2&quot; staan</translation>
    </message>
    <message>
        <source>&quot;%1&quot; of picture %2 is not text</source>
        <translation>&quot;%1&quot; van afbeelding %2 is geen tekst</translation>
    </message>
    <message>
        <source>&quot;%1&quot; of picture %2 is longer than %3 bytes</source>
        <translation>&quot;%1&quot; van afbeelding %2 is langer dan %3 bytes</translation>
    </message>
    <message>
        <source>&quot;%1&quot; of picture %2 holds a control character</source>
        <translation>&quot;%1&quot; van afbeelding %2 bevat een stuurteken</translation>
    </message>
    <message>
        <source>&quot;%1&quot; of picture %2 is not a whole number from %3 to %4</source>
        <translation>&quot;%1&quot; van afbeelding %2 is geen geheel getal van %3 tot en met %4</translation>
    </message>
    <message>
        <source>&quot;%1&quot; of picture %2 is not a SHA-256 digest (64 lower-case hex digits)</source>
        <translation>&quot;%1&quot; van afbeelding %2 is geen SHA-256-hash (64 hexadecimale cijfers in kleine letters)</translation>
    </message>
    <message>
        <source>%1 is not a PNG file, as its manifest says</source>
        <translation>%1 is geen PNG-bestand, anders dan het manifest zegt</translation>
    </message>
    <message>
        <source>%1 is %2 x %3 pixels, but its manifest says %4 x %5</source>
        <translation>%1 is %2 x %3 pixels, maar het manifest zegt %4 x %5</translation>
    </message>
    <message>
        <source>%1 does not hold the picture its manifest names (its SHA-256 differs)</source>
        <translation>%1 bevat niet de afbeelding die het manifest noemt (de SHA-256 verschilt)</translation>
    </message>
    <message>
        <source>the package is damaged</source>
        <translation>het pakket is beschadigd</translation>
    </message>
    <message>
        <source>the package replaces image %1, but this game has images 1 to %2 only</source>
        <translation>het pakket vervangt afbeelding %1, maar dit spel heeft alleen afbeeldingen 1 tot en met %2</translation>
    </message>
    <message>
        <source>the package lacks %1, which its manifest lists</source>
        <translation>het pakket mist %1, dat in het manifest staat</translation>
    </message>
    <message>
        <source>a mod package needs a name</source>
        <translation>een modpakket heeft een naam nodig</translation>
    </message>
    <message>
        <source>a mod package&apos;s name and author are at most 200 bytes long</source>
        <translation>naam en auteur van een modpakket zijn hoogstens 200 bytes lang</translation>
    </message>
    <message>
        <source>a mod package&apos;s description is at most 4000 bytes long</source>
        <translation>de beschrijving van een modpakket is hoogstens 4000 bytes lang</translation>
    </message>
    <message>
        <source>a mod package&apos;s name, author and description can&apos;t hold control characters</source>
        <translation>naam, auteur en beschrijving van een modpakket mogen geen stuurtekens bevatten</translation>
    </message>
    <message>
        <source>image %1 (%2 x %3 pixels) holds %4 bytes, not a whole picture, which a mod package can&apos;t hold</source>
        <translation>afbeelding %1 (%2 x %3 pixels) bevat %4 bytes, geen hele afbeelding, en dat kan een modpakket niet bevatten</translation>
    </message>
    <message>
        <source>no package was written</source>
        <translation>er is geen pakket geschreven</translation>
    </message>
    <message>
        <source>every picture is the game&apos;s original, so there is nothing to put in a mod package</source>
        <translation>elke afbeelding is het origineel van het spel, dus er is niets om in een modpakket te stoppen</translation>
    </message>
    <message>
        <source>the .zip archive can&apos;t be written: %1</source>
        <translation>het .zip-archief kan niet worden geschreven: %1</translation>
    </message>
    <message>
        <source>libarchive failed</source>
        <translation>libarchive is mislukt</translation>
    </message>
    <message>
        <source>the text is not valid UTF-8</source>
        <translation>de tekst is geen geldige UTF-8</translation>
    </message>
    <message>
        <source>at byte %1: %2</source>
        <translation>bij byte %1: %2</translation>
    </message>
    <message>
        <source>there is more after the value</source>
        <translation>er staat nog meer na de waarde</translation>
    </message>
    <message>
        <source>expected a value</source>
        <translation>waarde verwacht</translation>
    </message>
    <message>
        <source>expected a key in quotes</source>
        <translation>sleutel tussen aanhalingstekens verwacht</translation>
    </message>
    <message>
        <source>expected &apos;:&apos; after a key</source>
        <translation>&apos;:&apos; verwacht na een sleutel</translation>
    </message>
    <message>
        <source>expected &apos;,&apos; or &apos;}&apos;</source>
        <translation>&apos;,&apos; of &apos;}&apos; verwacht</translation>
    </message>
    <message>
        <source>expected &apos;,&apos; or &apos;]&apos;</source>
        <translation>&apos;,&apos; of &apos;]&apos; verwacht</translation>
    </message>
    <message>
        <source>the key &quot;%1&quot; appears twice</source>
        <translation>de sleutel &quot;%1&quot; komt twee keer voor</translation>
    </message>
    <message>
        <source>the values are nested too deeply</source>
        <translation>de waarden zijn te diep genest</translation>
    </message>
    <message>
        <source>\u needs four hex digits</source>
        <translation>\u heeft vier hexadecimale cijfers nodig</translation>
    </message>
    <message>
        <source>a \u escape holds half a character</source>
        <translation>een \u-escape bevat een half teken</translation>
    </message>
    <message>
        <source>unknown escape</source>
        <translation>onbekende escape</translation>
    </message>
    <message>
        <source>the text ends inside quotes</source>
        <translation>de tekst eindigt binnen aanhalingstekens</translation>
    </message>
    <message>
        <source>a control character stands unescaped in quotes</source>
        <translation>er staat een stuurteken zonder escape tussen aanhalingstekens</translation>
    </message>
    <message>
        <source>a number starts with 0</source>
        <translation>een getal begint met 0</translation>
    </message>
    <message>
        <source>the number is too large</source>
        <translation>het getal is te groot</translation>
    </message>
    <message>
        <source>only whole numbers are taken</source>
        <translation>alleen gehele getallen zijn toegestaan</translation>
    </message>
    <message>
        <source>is not a folder of Tessary&apos;s own (a link or a file has its name)</source>
        <translation>is geen eigen map van Tessary (een koppeling of een bestand heeft die naam)</translation>
    </message>
    <message>
        <source>Tessary leaves it as it is</source>
        <translation>Tessary laat het zoals het is</translation>
    </message>
    <message>
        <source>a mod named &quot;%1&quot; is installed already</source>
        <translation>er is al een mod met de naam ‘%1’ geïnstalleerd</translation>
    </message>
    <message>
        <source>uninstall it first</source>
        <translation>verwijder die eerst</translation>
    </message>
    <message>
        <source>the record of installed mods is damaged (%1)</source>
        <translation>de lijst van geïnstalleerde mods is beschadigd (%1)</translation>
    </message>
    <message>
        <source>Tessary leaves it as it is. Move the folder tessary-mods away to install mods again</source>
        <translation>Tessary laat die zoals hij is. Verplaats de map tessary-mods naar elders om weer mods te installeren</translation>
    </message>
    <message>
        <source>it is not the file Tessary wrote</source>
        <translation>het is niet het bestand dat Tessary schreef</translation>
    </message>
    <message>
        <source>the record of installed mods was written by another version of Tessary (record version %1)</source>
        <translation>de lijst van geïnstalleerde mods is geschreven door een andere versie van Tessary (lijstversie %1)</translation>
    </message>
    <message>
        <source>it lists too many mods</source>
        <translation>die noemt te veel mods</translation>
    </message>
    <message>
        <source>a mod has no number of its own</source>
        <translation>een mod heeft geen eigen nummer</translation>
    </message>
    <message>
        <source>a mod has no list of pictures</source>
        <translation>een mod heeft geen lijst van afbeeldingen</translation>
    </message>
    <message>
        <source>two mods have the name &quot;%1&quot;</source>
        <translation>twee mods heten ‘%1’</translation>
    </message>
    <message>
        <source>the mod &quot;%1&quot; lists %2 twice</source>
        <translation>de mod ‘%1’ noemt %2 twee keer</translation>
    </message>
    <message>
        <source>a picture names neither an image nor a font</source>
        <translation>een afbeelding noemt geen menuafbeelding en geen lettertype</translation>
    </message>
    <message>
        <source>a picture is kept in &quot;%1&quot;, which is not a record file</source>
        <translation>een afbeelding wordt bewaard in ‘%1’, dat geen bestand van de lijst is</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is missing or not text</source>
        <translation>&quot;%1&quot; ontbreekt of is geen tekst</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a SHA-256 digest</source>
        <translation>&quot;%1&quot; is geen SHA-256-hash</translation>
    </message>
    <message>
        <source>it lacks %1</source>
        <translation>%1 ontbreekt</translation>
    </message>
    <message>
        <source>%1 is too large</source>
        <translation>%1 is te groot</translation>
    </message>
    <message>
        <source>%1 is not the picture the record names</source>
        <translation>%1 is niet de afbeelding die de lijst noemt</translation>
    </message>
    <message>
        <source>a mod&apos;s name must be 1 to %1 bytes long</source>
        <translation>de naam van een mod moet 1 tot %1 bytes lang zijn</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not</source>
        <translation>‘%1’ is dat niet</translation>
    </message>
    <message>
        <source>the mod is named &quot;%1&quot;, not &quot;%2&quot;</source>
        <translation>de mod heet ‘%1’, niet ‘%2’</translation>
    </message>
    <message>
        <source>it can&apos;t update that one</source>
        <translation>hij kan die niet bijwerken</translation>
    </message>
    <message>
        <source>a profile&apos;s name must be 1 to %1 bytes long</source>
        <translation>de naam van een profiel moet 1 tot %1 bytes lang zijn</translation>
    </message>
    <message>
        <source>there is no profile named &quot;%1&quot;</source>
        <translation>er is geen profiel met de naam ‘%1’</translation>
    </message>
    <message>
        <source>the game&apos;s original of %1 that lay below the mod &quot;%2&quot; is not kept any more (tessary-originals was changed)</source>
        <translation>het origineel van het spel van %1, dat onder de mod ‘%2’ lag, wordt niet meer bewaard (tessary-originals is gewijzigd)</translation>
    </message>
    <message>
        <source>Tessary can&apos;t give it back, so nothing was changed</source>
        <translation>Tessary kan het niet teruggeven, dus er is niets gewijzigd</translation>
    </message>
    <message>
        <source>the mod &quot;%1&quot; is neither on nor off</source>
        <translation>de mod ‘%1’ staat aan noch uit</translation>
    </message>
    <message>
        <source>&quot;profiles&quot; is not a list</source>
        <translation>‘profiles’ is geen lijst</translation>
    </message>
    <message>
        <source>two profiles have the name &quot;%1&quot;</source>
        <translation>twee profielen heten ‘%1’</translation>
    </message>
    <message>
        <source>the profile &quot;%1&quot; has no list of mods</source>
        <translation>het profiel ‘%1’ heeft geen lijst van mods</translation>
    </message>
    <message>
        <source>the profile &quot;%1&quot; names a mod that is not installed, or one twice</source>
        <translation>het profiel ‘%1’ noemt een mod die niet geïnstalleerd is, of een twee keer</translation>
    </message>
    <message numerus="yes">
        <source>the file has only %n bytes, a font header needs 14</source>
        <translation>
            <numerusform>het bestand heeft maar %n byte, een lettertypekop heeft er 14 nodig</numerusform>
            <numerusform>het bestand heeft maar %n bytes, een lettertypekop heeft er 14 nodig</numerusform>
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
            <numerusform>%1 … en nog %n</numerusform>
            <numerusform>%1 … en nog %n</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>another program changed the index to %1 images since Tessary loaded it (%2)</source>
        <translation>een ander programma heeft de index gewijzigd naar %1 afbeeldingen sinds Tessary hem laadde (%2)</translation>
    </message>
    <message>
        <source>load the game folder again</source>
        <translation>laad de spelmap opnieuw</translation>
    </message>
    <message numerus="yes">
        <source>%n files matched no image: %1</source>
        <translation>
            <numerusform>%n bestand paste bij geen enkele afbeelding: %1</numerusform>
            <numerusform>%n bestanden pasten bij geen enkele afbeelding: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files matched no font sheet: %1</source>
        <translation>
            <numerusform>%n bestand paste bij geen enkel lettertypeblad: %1</numerusform>
            <numerusform>%n bestanden pasten bij geen enkel lettertypeblad: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files matched no image or font sheet: %1</source>
        <translation>
            <numerusform>%n bestand paste bij geen enkele afbeelding of lettertypeblad: %1</numerusform>
            <numerusform>%n bestanden pasten bij geen enkele afbeelding of lettertypeblad: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>een map</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>geen gewoon bestand</translation>
    </message>
    <message numerus="yes">
        <source>Imported %n pictures.</source>
        <translation>
            <numerusform>%n afbeelding geïmporteerd.</numerusform>
            <numerusform>%n afbeeldingen geïmporteerd.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Imported %n pictures from %1.</source>
        <translation>
            <numerusform>%n afbeelding geïmporteerd uit %1.</numerusform>
            <numerusform>%n afbeeldingen geïmporteerd uit %1.</numerusform>
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
            <numerusform>%n bestand was gelijk aan de afbeelding die er al stond: %1</numerusform>
            <numerusform>%n bestanden waren gelijk aan de afbeelding die er al stond: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files were refused:</source>
        <translation>
            <numerusform>%n bestand is geweigerd:</numerusform>
            <numerusform>%n bestanden zijn geweigerd:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>… and %n more</source>
        <translation>
            <numerusform>… en nog %n</numerusform>
            <numerusform>… en nog %n</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message numerus="yes">
        <source>%n entries were skipped, as they are no files: %1</source>
        <translation>
            <numerusform>%n item is overgeslagen, omdat het geen bestand is: %1</numerusform>
            <numerusform>%n items zijn overgeslagen, omdat het geen bestanden zijn: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the file has only %n bytes, a .tga header needs 18</source>
        <translation>
            <numerusform>het bestand heeft maar %n byte, een .tga-kop heeft er 18 nodig</numerusform>
            <numerusform>het bestand heeft maar %n bytes, een .tga-kop heeft er 18 nodig</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Tessary has finished it, so all %n files it was replacing now hold the changes.</source>
        <translation>
            <numerusform>Tessary heeft die afgemaakt, dus het bestand dat ze verving, bevat nu de wijzigingen.</numerusform>
            <numerusform>Tessary heeft die afgemaakt, dus alle %n bestanden die ze verving, bevatten nu de wijzigingen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Tessary has put the earlier files back, but %n files that did not exist before it keep the new content: %1.</source>
        <translation>
            <numerusform>Tessary heeft de eerdere bestanden teruggezet, maar %n bestand dat eerder niet bestond, houdt de nieuwe inhoud: %1.</numerusform>
            <numerusform>Tessary heeft de eerdere bestanden teruggezet, maar %n bestanden die eerder niet bestonden, houden de nieuwe inhoud: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n unfinished files</source>
        <translation>
            <numerusform>%n onvoltooid bestand</numerusform>
            <numerusform>%n onvoltooide bestanden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n originals</source>
        <translation>
            <numerusform>%n origineel</numerusform>
            <numerusform>%n originelen</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>a checksum (CRC) of the PNG data does not match, so the file is damaged (%1)</source>
        <translation>een controlesom (CRC) van de PNG-gegevens klopt niet, dus het bestand is beschadigd (%1)</translation>
    </message>
    <message>
        <source>%1-bit true-colour .tga files can&apos;t be read</source>
        <translation>%1-bits truecolor-.tga-bestanden kunnen niet worden gelezen</translation>
    </message>
    <message>
        <source>colour-mapped .tga files with %1-bit colour indices can&apos;t be read</source>
        <translation>.tga-bestanden met kleurtabel en %1-bits kleurindexen kunnen niet worden gelezen</translation>
    </message>
    <message>
        <source>%1-bit grey-scale .tga files can&apos;t be read</source>
        <translation>%1-bits grijswaarden-.tga-bestanden kunnen niet worden gelezen</translation>
    </message>
    <message>
        <source>the mod &quot;%1&quot; lists image %2, but this game has images 1 to %3</source>
        <translation>de mod ‘%1’ noemt afbeelding %2, maar dit spel heeft alleen afbeeldingen 1 tot en met %3</translation>
    </message>
    <message>
        <source>the record of installed mods has no number left for another mod</source>
        <translation>de lijst van geïnstalleerde mods heeft geen nummer meer vrij voor nog een mod</translation>
    </message>
    <message>
        <source>a picture&apos;s &quot;entry&quot; is not &quot;size&quot;</source>
        <translation>de &quot;entry&quot; van een afbeelding is niet &quot;size&quot;</translation>
    </message>
    <message>
        <source>%1 holds %2 bytes, but its entry says %3 x %4 pixels</source>
        <translation>%1 bevat %2 bytes, maar het item ervan zegt %3 x %4 pixels</translation>
    </message>
    <message>
        <source>the index has no entry for image %1</source>
        <translation>de index heeft geen item voor afbeelding %1</translation>
    </message>
    <message>
        <source>picture %1 names the mod it comes from without a name</source>
        <translation>afbeelding %1 noemt de mod waar ze vandaan komt zonder naam</translation>
    </message>
    <message numerus="yes">
        <source>every picture that differs from the game&apos;s original is one an installed mod set (%n), and a package holds only your own changes unless you include the mods&apos; pictures</source>
        <translation>
            <numerusform>elke afbeelding die van het origineel van het spel afwijkt, is door een geïnstalleerde mod gezet (%n), en een pakket bevat alleen je eigen wijzigingen, tenzij je de afbeeldingen van de mods meeneemt</numerusform>
            <numerusform>elke afbeelding die van het origineel van het spel afwijkt, is door een geïnstalleerde mod gezet (%n), en een pakket bevat alleen je eigen wijzigingen, tenzij je de afbeeldingen van de mods meeneemt</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is %2 x %3 pixels, larger than the %4 x %5 Tessary takes from a mod</source>
        <translation>%1 is %2 x %3 pixels, groter dan de %4 x %5 die Tessary uit een mod overneemt</translation>
    </message>
    <message>
        <source>%1 would bring the mod&apos;s decoded pictures past %2 MB, more than any menu mod holds</source>
        <translation>%1 zou de gedecodeerde afbeeldingen van de mod groter maken dan %2 MB, meer dan welke menumod ook bevat</translation>
    </message>
    <message>
        <source>a JPEG picture</source>
        <translation>een JPEG-afbeelding</translation>
    </message>
    <message>
        <source>a GIF picture</source>
        <translation>een GIF-afbeelding</translation>
    </message>
    <message>
        <source>a BMP picture</source>
        <translation>een BMP-afbeelding</translation>
    </message>
    <message>
        <source>a WebP picture</source>
        <translation>een WebP-afbeelding</translation>
    </message>
    <message>
        <source>is %1, not a PNG or TGA file, whatever its name says</source>
        <translation>is %1, geen PNG- of TGA-bestand, wat de naam ook zegt</translation>
    </message>
    <message>
        <source>save it as .png or .tga</source>
        <translation>sla het op als .png of .tga</translation>
    </message>
    <message>
        <source>there is not enough memory to expand the archive (%1)</source>
        <translation>er is niet genoeg geheugen om het archief uit te pakken (%1)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is encrypted, which Tessary can&apos;t read (%2)</source>
        <translation>‘%1’ is versleuteld, en dat kan Tessary niet lezen (%2)</translation>
    </message>
    <message>
        <source>the archive is encrypted, which Tessary can&apos;t read (%1)</source>
        <translation>het archief is versleuteld, en dat kan Tessary niet lezen (%1)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; fails its CRC check, so the archive is damaged (%2)</source>
        <translation>‘%1’ slaagt niet voor de CRC-controle, dus het archief is beschadigd (%2)</translation>
    </message>
    <message>
        <source>the archive fails a CRC check, so it is damaged (%1)</source>
        <translation>het archief slaagt niet voor een CRC-controle, dus het is beschadigd (%1)</translation>
    </message>
    <message>
        <source>the archive is cut off at &quot;%1&quot;, as a download not finished is (%2)</source>
        <translation>het archief houdt op bij ‘%1’, zoals een onvoltooide download (%2)</translation>
    </message>
    <message>
        <source>the archive is cut off, as a download not finished is (%1)</source>
        <translation>het archief is afgekapt, zoals een onvoltooide download (%1)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is compressed in a way Tessary can&apos;t expand (%2)</source>
        <translation>‘%1’ is gecomprimeerd op een manier die Tessary niet kan uitpakken (%2)</translation>
    </message>
    <message>
        <source>the archive is compressed in a way Tessary can&apos;t expand (%1)</source>
        <translation>het archief is gecomprimeerd op een manier die Tessary niet kan uitpakken (%1)</translation>
    </message>
    <message>
        <source>the archive&apos;s compressed data is cut off or damaged (a download not finished?)</source>
        <translation>de gecomprimeerde gegevens van het archief zijn afgekapt of beschadigd (een onvoltooide download?)</translation>
    </message>
    <message>
        <source>the archive is cut off: it ends without the end a tar archive has (a download not finished?)</source>
        <translation>het archief is afgekapt: het eindigt zonder het einde dat een tar-archief heeft (een onvoltooide download?)</translation>
    </message>
    <message>
        <source>the archive is cut off or damaged: %1 (a download not finished?)</source>
        <translation>het archief is afgekapt of beschadigd: %1 (een onvoltooide download?)</translation>
    </message>
    <message>
        <source>the entry &quot;%1&quot; has a name that holds a NUL character, which no file name holds</source>
        <translation>het item ‘%1’ heeft een naam met een NUL-teken, dat geen bestandsnaam bevat</translation>
    </message>
    <message>
        <source>it lacks the central directory at its end, the list of its files</source>
        <translation>de centrale map aan het einde ontbreekt, de lijst van de bestanden</translation>
    </message>
    <message>
        <source>its zip64 end record is missing</source>
        <translation>het zip64-eindrecord ontbreekt</translation>
    </message>
    <message>
        <source>its central directory lies outside it</source>
        <translation>de centrale map ligt erbuiten</translation>
    </message>
    <message>
        <source>its central directory is incomplete</source>
        <translation>de centrale map is onvolledig</translation>
    </message>
    <message>
        <source>an entry the central directory lists is missing</source>
        <translation>een item dat de centrale map noemt, ontbreekt</translation>
    </message>
    <message numerus="yes">
        <source>its central directory lists %1 of the %n entries it says it holds</source>
        <translation>
            <numerusform>de centrale map noemt %1 van het %n item dat het archief zegt te bevatten</numerusform>
            <numerusform>de centrale map noemt %1 van de %n items die het archief zegt te bevatten</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ExternalEditor</name>
    <message>
        <source>No program opens .png files on this system; choose one with &quot;Choose image editor…&quot;.</source>
        <translation>Geen enkel programma opent .png-bestanden op dit systeem; kies er een met ‘Afbeeldingseditor kiezen…’.</translation>
    </message>
    <message>
        <source>%1 can&apos;t be started.</source>
        <translation>%1 kan niet worden gestart.</translation>
    </message>
    <message>
        <source>a temporary folder can&apos;t be made there</source>
        <translation>daar kan geen tijdelijke map worden gemaakt</translation>
    </message>
</context>
<context>
    <name>GameFolder</name>
    <message>
        <source>the value could not be recorded</source>
        <translation>de waarde kon niet worden opgeslagen</translation>
    </message>
    <message>
        <source>Please choose your GP4 folder</source>
        <translation>Kies je GP4-map</translation>
    </message>
    <message>
        <source>Sorry but this is not a valid GP4.exe file. Image folder can&apos;t be found</source>
        <translation>Helaas is dit geen geldig GP4.exe-bestand. De map met afbeeldingen is niet gevonden</translation>
    </message>
    <message>
        <source>The game folder is recorded in Tessary&apos;s settings (%1), as %2 can&apos;t be changed (%3).</source>
        <translation>De spelmap is opgeslagen in de instellingen van Tessary (%1), omdat %2 niet kan worden gewijzigd (%3).</translation>
    </message>
    <message>
        <source>%1: the game folder can&apos;t be recorded (%2)</source>
        <translation>%1: de spelmap kan niet worden opgeslagen (%2)</translation>
    </message>
    <message>
        <source>; %1: neither (%2)</source>
        <translation>; %1: ook niet (%2)</translation>
    </message>
</context>
<context>
    <name>ModViews</name>
    <message>
        <source>a Tessary mod package</source>
        <translation>een Tessary-modpakket</translation>
    </message>
    <message>
        <source>laid out as the game folder</source>
        <translation>ingedeeld als de spelmap</translation>
    </message>
    <message>
        <source>a set of pictures</source>
        <translation>een verzameling afbeeldingen</translation>
    </message>
    <message>
        <source>By %1, </source>
        <translation>Door %1, </translation>
    </message>
    <message>
        <source>, from %1.</source>
        <translation>, uit %1.</translation>
    </message>
    <message>
        <source>the same as the picture there now</source>
        <translation>gelijk aan de afbeelding die er nu staat</translation>
    </message>
    <message>
        <source>replaces your change not yet applied
(uninstalling the mod gives it back)</source>
        <translation>vervangt je nog niet toegepaste wijziging
(de mod verwijderen geeft die terug)</translation>
    </message>
    <message>
        <source>replaces your own picture
(uninstalling the mod gives it back)</source>
        <translation>vervangt je eigen afbeelding
(de mod verwijderen geeft die terug)</translation>
    </message>
    <message>
        <source>covers the picture of the mod &quot;%1&quot;</source>
        <translation>bedekt de afbeelding van de mod ‘%1’</translation>
    </message>
    <message>
        <source>an edit</source>
        <translation>een bewerking</translation>
    </message>
    <message>
        <source>%1 (by %2)</source>
        <translation>%1 (door %2)</translation>
    </message>
    <message>
        <source>%1 (&quot;%2&quot; shows)</source>
        <translation>%1 (zichtbaar: ‘%2’)</translation>
    </message>
    <message>
        <source>%1 (none of the mods shows)</source>
        <translation>%1 (geen van de mods zichtbaar)</translation>
    </message>
    <message>
        <source>%1 (an edit shows)</source>
        <translation>%1 (een bewerking zichtbaar)</translation>
    </message>
</context>
<context>
    <name>PictureTip</name>
    <message>
        <source>Changed in Tessary, not yet applied</source>
        <translation>Gewijzigd in Tessary, nog niet toegepast</translation>
    </message>
    <message>
        <source>As the game folder holds it</source>
        <translation>Zoals in de spelmap</translation>
    </message>
    <message>
        <source>Differs from the game&apos;s original</source>
        <translation>Wijkt af van het origineel van het spel</translation>
    </message>
    <message>
        <source>The game&apos;s original</source>
        <translation>Het origineel van het spel</translation>
    </message>
    <message>
        <source>Can&apos;t be compared with the game&apos;s original: %1</source>
        <translation>Kan niet met het origineel van het spel worden vergeleken: %1</translation>
    </message>
    <message>
        <source>Image %1 (%1.gpi)</source>
        <translation>Afbeelding %1 (%1.gpi)</translation>
    </message>
    <message>
        <source>%1 × %2 pixels, %3 bytes</source>
        <translation>%1 × %2 pixels, %3 bytes</translation>
    </message>
    <message>
        <source>Font sheet %1 (%2)</source>
        <translation>Lettertypeblad %1 (%2)</translation>
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
        <translation>Afbeeldingen (*.tga *.png)</translation>
    </message>
    <message>
        <source>Please choose a folder where all .tga files will be saved.</source>
        <translation>Kies de map waarin alle .tga-bestanden worden opgeslagen.</translation>
    </message>
    <message>
        <source>Please choose the folder that holds the pictures to load.</source>
        <translation>Kies de map met de afbeeldingen die geladen moeten worden.</translation>
    </message>
    <message>
        <source>Load all images from a folder…</source>
        <translation>Alle afbeeldingen uit een map laden…</translation>
    </message>
    <message>
        <source>Load all font sheets from a folder…</source>
        <translation>Alle lettertypebladen uit een map laden…</translation>
    </message>
    <message>
        <source>Revert to the game folder&apos;s file</source>
        <translation>Terugzetten naar het bestand in de spelmap</translation>
    </message>
    <message>
        <source>Restore the game&apos;s original</source>
        <translation>Origineel van het spel terugzetten</translation>
    </message>
    <message>
        <source>Edit in image editor…</source>
        <translation>Bewerken in afbeeldingseditor…</translation>
    </message>
    <message>
        <source>Choose image editor…</source>
        <translation>Afbeeldingseditor kiezen…</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Ongedaan maken</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Opnieuw</translation>
    </message>
    <message>
        <source>Save changes as a mod package…</source>
        <translation>Wijzigingen opslaan als modpakket…</translation>
    </message>
    <message>
        <source>Install mod…</source>
        <translation>Mod installeren…</translation>
    </message>
    <message>
        <source>Tessary mod package (*.zip)</source>
        <translation>Tessary-modpakket (*.zip)</translation>
    </message>
    <message>
        <source>Mods (*.zip *.7z *.rar *.tar *.tar.gz *.tgz *.tar.bz2 *.tbz2 *.tar.xz *.txz)</source>
        <translation>Mods (*.zip *.7z *.rar *.tar *.tar.gz *.tgz *.tar.bz2 *.tbz2 *.tar.xz *.txz)</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Toepassen</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Niet toepassen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Load a picture (.tga, .png)</source>
        <translation>Afbeelding laden (.tga, .png)</translation>
    </message>
    <message>
        <source>Save the picture (.tga, .png)</source>
        <translation>Afbeelding opslaan (.tga, .png)</translation>
    </message>
    <message>
        <source>Mods…</source>
        <translation>Mods…</translation>
    </message>
    <message>
        <source>Install a mod from a folder</source>
        <translation>Een mod uit een map installeren</translation>
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
        <translation>Programma&apos;s (*.exe);;Alle bestanden (*)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle bestanden (*)</translation>
    </message>
    <message>
        <source>Choose the image editor</source>
        <translation>Afbeeldingseditor kiezen</translation>
    </message>
    <message>
        <source>Save the images in %1 as .tga or as .png files?</source>
        <translation>De afbeeldingen in %1 opslaan als .tga- of als .png-bestanden?</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>access denied</source>
        <translation>toegang geweigerd</translation>
    </message>
    <message>
        <source>the file is not a valid settings file</source>
        <translation>het bestand is geen geldig instellingenbestand</translation>
    </message>
</context>
<context>
    <name>TChannelToggle</name>
    <message>
        <source>Alpha Layer</source>
        <translation>Alfakanaal</translation>
    </message>
    <message>
        <source>RGB Layers</source>
        <translation>RGB-kanalen</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Not enough memory to finish the command.</source>
        <translation>Niet genoeg geheugen om de opdracht af te ronden.</translation>
    </message>
    <message>
        <source>Tessary closes when this work ends…</source>
        <translation>Tessary sluit zodra dit werk klaar is…</translation>
    </message>
    <message>
        <source>closing Tessary</source>
        <translation>Tessary wordt gesloten</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Ongedaan maken: %1</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Opnieuw: %1</translation>
    </message>
    <message>
        <source>The %1 can&apos;t be undone: it is larger than the undo history holds</source>
        <translation>%1 kan niet ongedaan worden gemaakt: het is groter dan de geschiedenis kan bevatten</translation>
    </message>
    <message>
        <source>revert of %1</source>
        <translation>terugzetten van %1</translation>
    </message>
    <message>
        <source>restore of the original of %1</source>
        <translation>terugzetten van het origineel van %1</translation>
    </message>
    <message>
        <source>Undone: %1</source>
        <translation>Ongedaan gemaakt: %1</translation>
    </message>
    <message>
        <source>Redone: %1</source>
        <translation>Opnieuw gedaan: %1</translation>
    </message>
    <message>
        <source>The image index has changes</source>
        <translation>De afbeeldingsindex heeft wijzigingen</translation>
    </message>
    <message>
        <source>These pictures have changes</source>
        <translation>Deze afbeeldingen hebben wijzigingen</translation>
    </message>
    <message>
        <source>%1 not yet applied to the game folder.

Apply them before %2?</source>
        <translation>%1 die nog niet op de spelmap zijn toegepast.

Toepassen voordat %2?</translation>
    </message>
    <message>
        <source>the system&apos;s program for .png files</source>
        <translation>het standaardprogramma van het systeem voor .png-bestanden</translation>
    </message>
    <message>
        <source>&quot;Edit in image editor…&quot; opens pictures in %1.

Open them in:</source>
        <translation>‘Bewerken in afbeeldingseditor…’ opent afbeeldingen in %1.

Openen in:</translation>
    </message>
    <message>
        <source>The system&apos;s program</source>
        <translation>Standaardprogramma</translation>
    </message>
    <message>
        <source>A program of my choice…</source>
        <translation>Een programma naar keuze…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>edit of %1 in the image editor</source>
        <translation>bewerking van %1 in de afbeeldingseditor</translation>
    </message>
    <message>
        <source>%1 read back from the image editor</source>
        <translation>%1 teruggelezen uit de afbeeldingseditor</translation>
    </message>
    <message>
        <source>import</source>
        <translation>import</translation>
    </message>
    <message>
        <source>No picture imported</source>
        <translation>Geen afbeelding geïmporteerd</translation>
    </message>
    <message>
        <source>Apply All Changes</source>
        <translation>Alles toepassen</translation>
    </message>
    <message>
        <source>Change GP4 Path</source>
        <translation>GP4-map…</translation>
    </message>
    <message>
        <source>Save all images to .tga</source>
        <translation>Alles opslaan als .tga</translation>
    </message>
    <message>
        <source>Image Size :</source>
        <translation>Grootte:</translation>
    </message>
    <message>
        <source>Thumbnail Size:</source>
        <translation>Miniaturen:</translation>
    </message>
    <message>
        <source>Images Workshop</source>
        <translation>Afbeeldingen</translation>
    </message>
    <message>
        <source>Fonts Workshop</source>
        <translation>Lettertypen</translation>
    </message>
    <message>
        <source>Load image from a .tga file</source>
        <translation>Afbeelding laden uit een .tga-bestand</translation>
    </message>
    <message>
        <source>Save image to a .tga file</source>
        <translation>Afbeelding opslaan als .tga-bestand</translation>
    </message>
    <message>
        <source>My menu mod</source>
        <translation>Mijn menumod</translation>
    </message>
    <message>
        <source>installation of %1</source>
        <translation>installatie van %1</translation>
    </message>
    <message>
        <source>uninstalling of %1</source>
        <translation>verwijdering van %1</translation>
    </message>
    <message>
        <source>The mod &quot;%1&quot; is uninstalled as changes to apply; &quot;Apply All Changes&quot; writes them into the game folder.</source>
        <translation>De mod ‘%1’ is verwijderd, maar nog niet toegepast; ‘Alles toepassen’ voert het door in de spelmap.</translation>
    </message>
    <message>
        <source>changing the game folder</source>
        <translation>de spelmap wordt gewisseld</translation>
    </message>
    <message>
        <source>Another program changed these files since Tessary loaded them:
%1

Replace them with your changes?</source>
        <translation>Een ander programma heeft deze bestanden gewijzigd sinds Tessary ze laadde:
%1

Vervangen door je wijzigingen?</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Vervangen</translation>
    </message>
    <message>
        <source>Nothing to write: no picture has changed</source>
        <translation>Niets te schrijven: geen afbeelding is gewijzigd</translation>
    </message>
    <message>
        <source>Another program changed these files since Tessary loaded them; they were left as they are:
%1</source>
        <translation>Een ander programma heeft deze bestanden gewijzigd sinds Tessary ze laadde; ze zijn gelaten zoals ze zijn:
%1</translation>
    </message>
    <message>
        <source>%1: the settings can&apos;t be written</source>
        <translation>%1: de instellingen kunnen niet worden opgeslagen</translation>
    </message>
    <message>
        <source>import of %1</source>
        <translation>import van %1</translation>
    </message>
    <message>
        <source>the record of installed mods</source>
        <translation>de lijst van geïnstalleerde mods</translation>
    </message>
    <message>
        <source>the mods can&apos;t be installed or uninstalled: %1</source>
        <translation>de mods kunnen niet worden geïnstalleerd of verwijderd: %1</translation>
    </message>
    <message>
        <source>Saves every image into a folder, as .tga or .png files</source>
        <translation>Slaat alle afbeeldingen op in een map, als .tga- of .png-bestanden</translation>
    </message>
    <message>
        <source>Takes a .tga or .png file in place of the picture</source>
        <translation>Vervangt de afbeelding door een .tga- of .png-bestand</translation>
    </message>
    <message>
        <source>Saves the picture as a .tga or .png file</source>
        <translation>Slaat de afbeelding op als .tga- of .png-bestand</translation>
    </message>
    <message>
        <source>The image editor&apos;s save of %1 was not taken: %2</source>
        <translation>Wat de afbeeldingseditor van %1 opsloeg, is niet overgenomen: %2</translation>
    </message>
    <message numerus="yes">
        <source>import of %n pictures</source>
        <translation>
            <numerusform>import van %n afbeelding</numerusform>
            <numerusform>import van %n afbeeldingen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n pictures imported</source>
        <translation>
            <numerusform>%n afbeelding geïmporteerd</numerusform>
            <numerusform>%n afbeeldingen geïmporteerd</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n images and %1 font sheets loaded</source>
        <translation>
            <numerusform>%n afbeelding en %1 lettertypebladen geladen</numerusform>
            <numerusform>%n afbeeldingen en %1 lettertypebladen geladen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files written to the game folder</source>
        <translation>
            <numerusform>%n bestand naar de spelmap geschreven</numerusform>
            <numerusform>%n bestanden naar de spelmap geschreven</numerusform>
        </translation>
    </message>
    <message>
        <source>Game folder: %1</source>
        <translation>Spelmap: %1</translation>
    </message>
    <message>
        <source>%1
Click to open it in the file manager.</source>
        <translation>%1
Klik om de map in de bestandsbeheerder te openen.</translation>
    </message>
    <message>
        <source>The file manager could not be started to show %1.</source>
        <translation>De bestandsbeheerder kon niet worden gestart om %1 te tonen.</translation>
    </message>
    <message>
        <source>%1 (&quot;%2&quot;)</source>
        <translation>%1 (‘%2’)</translation>
    </message>
    <message>
        <source>
Left out, as installed mods set them: %1</source>
        <translation>
Weggelaten, omdat geïnstalleerde mods ze zetten: %1</translation>
    </message>
    <message numerus="yes">
        <source>Saved %n pictures as the mod package %1:
%2</source>
        <translation>
            <numerusform>%n afbeelding opgeslagen als modpakket %1:
%2</numerusform>
            <numerusform>%n afbeeldingen opgeslagen als modpakket %1:
%2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>
%n pictures go back to what lies below: %1</source>
        <translation>
            <numerusform>
%n afbeelding gaat terug naar wat eronder ligt: %1</numerusform>
            <numerusform>
%n afbeeldingen gaan terug naar wat eronder ligt: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>
%n pictures stay as they are, covered since: %1</source>
        <translation>
            <numerusform>
%n afbeelding blijft zoals ze is, inmiddels bedekt: %1</numerusform>
            <numerusform>
%n afbeeldingen blijven zoals ze zijn, inmiddels bedekt: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n images saved</source>
        <translation>
            <numerusform>%n afbeelding opgeslagen</numerusform>
            <numerusform>%n afbeeldingen opgeslagen</numerusform>
        </translation>
    </message>
    <message>
        <source>switching on of %1</source>
        <translation>inschakelen van %1</translation>
    </message>
    <message>
        <source>switching off of %1</source>
        <translation>uitschakelen van %1</translation>
    </message>
    <message>
        <source>moving of %1</source>
        <translation>verplaatsen van %1</translation>
    </message>
    <message>
        <source>saving of the profile %1</source>
        <translation>opslaan van het profiel %1</translation>
    </message>
    <message>
        <source>switching to the profile %1</source>
        <translation>overschakelen naar het profiel %1</translation>
    </message>
</context>
<context>
    <name>TFormInstallPreview</name>
    <message>
        <source>. Installing makes these changes in Tessary; &quot;Apply All Changes&quot; writes them into the game folder.</source>
        <translation>. Installeren brengt deze wijzigingen aan in Tessary; ‘Alles toepassen’ schrijft ze naar de spelmap.</translation>
    </message>
    <message>
        <source>Install the mod &quot;%1&quot;?</source>
        <translation>De mod ‘%1’ installeren?</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Installeren</translation>
    </message>
    <message numerus="yes">
        <source>%n pictures change</source>
        <translation>
            <numerusform>%n afbeelding verandert</numerusform>
            <numerusform>%n afbeeldingen veranderen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; %n are the same already</source>
        <translation>
            <numerusform>; %n is al gelijk</numerusform>
            <numerusform>; %n zijn al gelijk</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TFormInstalledMods</name>
    <message>
        <source>No mod is installed in this game folder.</source>
        <translation>Er is geen mod geïnstalleerd in deze spelmap.</translation>
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
        <translation>Afbeeldingen</translation>
    </message>
    <message>
        <source>Covered</source>
        <translation>Bedekt</translation>
    </message>
    <message>
        <source>Installed</source>
        <translation>Geïnstalleerd</translation>
    </message>
    <message>
        <source>Uninstall</source>
        <translation>Verwijderen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Installed %1 from %2.</source>
        <translation>Geïnstalleerd op %1 uit %2.</translation>
    </message>
    <message>
        <source>None of its pictures is covered by a later mod or an edit.</source>
        <translation>Geen van de afbeeldingen is bedekt door een latere mod of een bewerking.</translation>
    </message>
    <message>
        <source>Covered since: %1. Uninstalling leaves these as they are.</source>
        <translation>Sindsdien bedekt: %1. Verwijderen laat deze zoals ze zijn.</translation>
    </message>
    <message>
        <source>The mods of this game folder: where two set a picture, the lower one in the list shows.</source>
        <translation>De mods van deze spelmap: zetten er twee dezelfde afbeelding, dan toont die van de onderste in de lijst.</translation>
    </message>
    <message>
        <source>Changes not yet applied: &quot;Apply All Changes&quot; writes them into the game folder.</source>
        <translation>Nog niet toegepaste wijzigingen: ‘Alles toepassen’ schrijft ze in de spelmap.</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Omhoog</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Omlaag</translation>
    </message>
    <message>
        <source>Switched off: its pictures don&apos;t show; switch it on to show them again.</source>
        <translation>Uitgeschakeld: de afbeeldingen ervan worden niet getoond; schakel hem in om ze weer te tonen.</translation>
    </message>
    <message>
        <source>Set by other mods too: %1</source>
        <translation>Ook door andere mods gezet: %1</translation>
    </message>
    <message>
        <source>Install…</source>
        <translation>Installeren…</translation>
    </message>
    <message>
        <source>From an archive…</source>
        <translation>Uit een archief…</translation>
    </message>
    <message>
        <source>From a folder…</source>
        <translation>Uit een map…</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>to apply</source>
        <translation>toe te passen</translation>
    </message>
    <message>
        <source>applied</source>
        <translation>toegepast</translation>
    </message>
    <message>
        <source>Profile:</source>
        <translation>Profiel:</translation>
    </message>
    <message>
        <source>(none in use)</source>
        <translation>(geen in gebruik)</translation>
    </message>
    <message>
        <source>Save as profile…</source>
        <translation>Opslaan als profiel…</translation>
    </message>
    <message>
        <source>Keep the mods on now, in their order, as the profile:</source>
        <translation>De mods die nu aan staan, in hun volgorde, opslaan als het profiel:</translation>
    </message>
</context>
<context>
    <name>TFormModPackage</name>
    <message>
        <source>Name:</source>
        <translation>Naam:</translation>
    </message>
    <message>
        <source>Author:</source>
        <translation>Auteur:</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Beschrijving:</translation>
    </message>
    <message>
        <source>Save…</source>
        <translation>Opslaan…</translation>
    </message>
    <message>
        <source>Every picture of your own that differs from the game&apos;s original goes into the package, with your changes not yet applied.</source>
        <translation>Elke eigen afbeelding die afwijkt van het origineel van het spel gaat in het pakket, ook je nog niet toegepaste wijzigingen.</translation>
    </message>
    <message>
        <source>Pictures that installed mods set are their authors&apos; work: without this they stay out of the package; with it, the manifest names each one&apos;s mod and author.</source>
        <translation>Afbeeldingen die geïnstalleerde mods zetten zijn het werk van hun makers: zonder dit blijven ze buiten het pakket; hiermee noemt het manifest bij elk de mod en de maker.</translation>
    </message>
    <message numerus="yes">
        <source>Include %n pictures of installed mods, crediting their mods</source>
        <translation>
            <numerusform>%n afbeelding van een geïnstalleerde mod opnemen, met vermelding van die mod</numerusform>
            <numerusform>%n afbeeldingen van geïnstalleerde mods opnemen, met vermelding van hun mods</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TFormPreview</name>
    <message>
        <source>Tessary&apos;s picture</source>
        <translation>Afbeelding in Tessary</translation>
    </message>
    <message>
        <source>Game folder&apos;s file</source>
        <translation>Bestand in de spelmap</translation>
    </message>
    <message>
        <source>Game&apos;s original</source>
        <translation>Origineel van het spel</translation>
    </message>
    <message>
        <source>Game folder</source>
        <translation>Spelmap</translation>
    </message>
    <message>
        <source>Show the game folder&apos;s file (hold Space)</source>
        <translation>Het bestand in de spelmap tonen (houd Spatie ingedrukt)</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>Origineel</translation>
    </message>
    <message>
        <source>Show the game&apos;s original (hold Shift + Space)</source>
        <translation>Het origineel van het spel tonen (houd Shift + Spatie ingedrukt)</translation>
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
        <translation>geen pixelgegevens</translation>
    </message>
</context>
</TS>
