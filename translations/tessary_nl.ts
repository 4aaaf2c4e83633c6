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
        <source>the archive is damaged</source>
        <translation>het archief is beschadigd</translation>
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
        <source>%1 true-colour .tga files can&apos;t be read</source>
        <translation>%1 truecolor-.tga-bestanden kunnen niet worden gelezen</translation>
    </message>
    <message>
        <source>save the picture with 24 or 32 bits per pixel</source>
        <translation>sla de afbeelding op met 24 of 32 bits per pixel</translation>
    </message>
    <message>
        <source>Sorry but Tessary can&apos;t read RLE encoded .tga files.</source>
        <translation>Helaas kan Tessary geen RLE-gecomprimeerde .tga-bestanden lezen.</translation>
    </message>
</context>
<context>
    <name>ExternalEditor</name>
    <message>
        <source>No program opens .png files on this system; choose one with &quot;Choose image editor…&quot;.</source>
        <translation>Geen enkel programma opent .png-bestanden op dit systeem; kies er een met ‘Beeldbewerker kiezen…’.</translation>
    </message>
    <message>
        <source>%1 can&apos;t be started.</source>
        <translation>%1 kan niet worden gestart.</translation>
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
        <source>Please select a folder</source>
        <translation>Kies een map</translation>
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
        <translation>Bewerken in beeldbewerker…</translation>
    </message>
    <message>
        <source>Choose image editor…</source>
        <translation>Beeldbewerker kiezen…</translation>
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
        <source>Installed mods…</source>
        <translation>Geïnstalleerde mods…</translation>
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
        <translation>Verwerpen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
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
        <translation>Opslaan als:</translation>
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
        <translation>Beeldbewerker kiezen</translation>
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
        <translation>‘Bewerken in beeldbewerker…’ opent afbeeldingen in %1.

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
        <translation>bewerking van %1 in de beeldbewerker</translation>
    </message>
    <message>
        <source>%1 read back from the image editor</source>
        <translation>%1 teruggelezen uit de beeldbewerker</translation>
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
        <source>1 picture imported</source>
        <translation>1 afbeelding geïmporteerd</translation>
    </message>
    <message>
        <source>%1 pictures imported</source>
        <translation>%1 afbeeldingen geïmporteerd</translation>
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
        <source>Saved %1 as the mod package %2:
%3</source>
        <translation>%1 opgeslagen als modpakket %2:
%3</translation>
    </message>
    <message>
        <source>1 picture</source>
        <translation>1 afbeelding</translation>
    </message>
    <message>
        <source>%1 pictures</source>
        <translation>%1 afbeeldingen</translation>
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
        <translation>De mod ‘%1’ is verwijderd als wijzigingen om toe te passen; ‘Alles toepassen’ schrijft ze naar de spelmap.</translation>
    </message>
    <message>
        <source>
%1 back to what lies below: %2</source>
        <translation>
%1 terug naar wat eronder ligt: %2</translation>
    </message>
    <message>
        <source>1 picture goes</source>
        <translation>1 afbeelding gaat</translation>
    </message>
    <message>
        <source>%1 pictures go</source>
        <translation>%1 afbeeldingen gaan</translation>
    </message>
    <message>
        <source>
%1 as it is, covered since: %2</source>
        <translation>
%1 zoals het is, sindsdien bedekt: %2</translation>
    </message>
    <message>
        <source>1 picture stays</source>
        <translation>1 afbeelding blijft</translation>
    </message>
    <message>
        <source>%1 pictures stay</source>
        <translation>%1 afbeeldingen blijven</translation>
    </message>
    <message>
        <source>changing the game folder</source>
        <translation>de spelmap wordt gewisseld</translation>
    </message>
    <message>
        <source>%1 images and %2 font sheets loaded</source>
        <translation>%1 afbeeldingen en %2 lettertypebladen geladen</translation>
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
        <source>1 file written to the game folder</source>
        <translation>1 bestand naar de spelmap geschreven</translation>
    </message>
    <message>
        <source>%1 files written to the game folder</source>
        <translation>%1 bestanden naar de spelmap geschreven</translation>
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
        <source>1 image saved</source>
        <translation>1 afbeelding opgeslagen</translation>
    </message>
    <message>
        <source>%1 images saved</source>
        <translation>%1 afbeeldingen opgeslagen</translation>
    </message>
    <message>
        <source>import of %1</source>
        <translation>import van %1</translation>
    </message>
</context>
<context>
    <name>TFormInstallPreview</name>
    <message>
        <source>1 picture changes</source>
        <translation>1 afbeelding verandert</translation>
    </message>
    <message>
        <source>%1 pictures change</source>
        <translation>%1 afbeeldingen veranderen</translation>
    </message>
    <message>
        <source>; 1 is the same already</source>
        <translation>; 1 is al gelijk</translation>
    </message>
    <message>
        <source>; %1 are the same already</source>
        <translation>; %1 zijn al gelijk</translation>
    </message>
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
</context>
<context>
    <name>TFormInstalledMods</name>
    <message>
        <source>No mod is installed in this game folder.</source>
        <translation>Er is geen mod geïnstalleerd in deze spelmap.</translation>
    </message>
    <message>
        <source>Installed mods, the last installed at the bottom:</source>
        <translation>Geïnstalleerde mods, de laatst geïnstalleerde onderaan:</translation>
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
</context>
<context>
    <name>TFormModPackage</name>
    <message>
        <source>Every picture that differs from the game&apos;s original goes into the package, with your changes not yet applied.</source>
        <translation>Elke afbeelding die afwijkt van het origineel van het spel gaat in het pakket, ook je nog niet toegepaste wijzigingen.</translation>
    </message>
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
