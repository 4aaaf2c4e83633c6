; The installer's and uninstaller's own texts in the languages the program speaks; every other
; language the pages are offered in shows the English ones. Included after the languages.

; Asked when an earlier version is installed, and said when its uninstaller fails.
LangString TessaryAlreadyInstalled ${LANG_ENGLISH} "Tessary is already installed.$\n$\nDo you want to uninstall the old version before installing Tessary ${VERSION}?"
LangString TessaryAlreadyInstalled ${LANG_GERMAN} "Tessary ist bereits installiert.$\n$\nSoll die alte Version deinstalliert werden, bevor Tessary ${VERSION} installiert wird?"
LangString TessaryAlreadyInstalled ${LANG_FRENCH} "Tessary est déjà installé.$\n$\nVoulez-vous désinstaller l'ancienne version avant d'installer Tessary ${VERSION} ?"
LangString TessaryAlreadyInstalled ${LANG_ITALIAN} "Tessary è già installato.$\n$\nDisinstallare la versione precedente prima di installare Tessary ${VERSION}?"
LangString TessaryAlreadyInstalled ${LANG_SPANISH} "Tessary ya está instalado.$\n$\n¿Desea desinstalar la versión anterior antes de instalar Tessary ${VERSION}?"
LangString TessaryAlreadyInstalled ${LANG_DUTCH} "Tessary is al geïnstalleerd.$\n$\nWilt u de oude versie verwijderen voordat Tessary ${VERSION} wordt geïnstalleerd?"
LangString TessaryAlreadyInstalled ${LANG_POLISH} "Tessary jest już zainstalowany.$\n$\nCzy odinstalować starą wersję przed zainstalowaniem Tessary ${VERSION}?"
LangString TessaryAlreadyInstalled ${LANG_PORTUGUESEBR} "O Tessary já está instalado.$\n$\nDeseja desinstalar a versão antiga antes de instalar o Tessary ${VERSION}?"

LangString TessaryUninstallFailed ${LANG_ENGLISH} "The old version could not be uninstalled."
LangString TessaryUninstallFailed ${LANG_GERMAN} "Die alte Version konnte nicht deinstalliert werden."
LangString TessaryUninstallFailed ${LANG_FRENCH} "L'ancienne version n'a pas pu être désinstallée."
LangString TessaryUninstallFailed ${LANG_ITALIAN} "Non è stato possibile disinstallare la versione precedente."
LangString TessaryUninstallFailed ${LANG_SPANISH} "No se ha podido desinstalar la versión anterior."
LangString TessaryUninstallFailed ${LANG_DUTCH} "De oude versie kon niet worden verwijderd."
LangString TessaryUninstallFailed ${LANG_POLISH} "Nie udało się odinstalować starej wersji."
LangString TessaryUninstallFailed ${LANG_PORTUGUESEBR} "Não foi possível desinstalar a versão antiga."

; The uninstaller's last page: the settings stay, as Windows programs' settings do.
LangString TessarySettingsKept ${LANG_ENGLISH} "Tessary has been removed from your computer. Your settings stay in the registry, under HKEY_CURRENT_USER\Software\Quenby's Tools\Tessary, so that a new installation finds them. To remove them as well, delete that key in the Registry Editor."
LangString TessarySettingsKept ${LANG_GERMAN} "Tessary wurde von Ihrem Computer entfernt. Ihre Einstellungen bleiben in der Registrierung unter HKEY_CURRENT_USER\Software\Quenby's Tools\Tessary erhalten, damit eine neue Installation sie findet. Um auch sie zu entfernen, löschen Sie diesen Schlüssel im Registrierungs-Editor."
LangString TessarySettingsKept ${LANG_FRENCH} "Tessary a été supprimé de votre ordinateur. Vos réglages restent dans le registre, sous HKEY_CURRENT_USER\Software\Quenby's Tools\Tessary, pour qu'une nouvelle installation les retrouve. Pour les supprimer aussi, effacez cette clé dans l'Éditeur du Registre."
LangString TessarySettingsKept ${LANG_ITALIAN} "Tessary è stato rimosso dal computer. Le impostazioni restano nel registro, in HKEY_CURRENT_USER\Software\Quenby's Tools\Tessary, perché una nuova installazione le ritrovi. Per rimuovere anche queste, eliminare la chiave nell'Editor del Registro di sistema."
LangString TessarySettingsKept ${LANG_SPANISH} "Tessary se ha quitado del equipo. Su configuración se conserva en el registro, en HKEY_CURRENT_USER\Software\Quenby's Tools\Tessary, para que una nueva instalación la encuentre. Para quitarla también, elimine esa clave en el Editor del Registro."
LangString TessarySettingsKept ${LANG_DUTCH} "Tessary is van uw computer verwijderd. Uw instellingen blijven in het register bewaard, onder HKEY_CURRENT_USER\Software\Quenby's Tools\Tessary, zodat een nieuwe installatie ze terugvindt. Verwijder die sleutel in de Register-editor om ook de instellingen te verwijderen."
LangString TessarySettingsKept ${LANG_POLISH} "Tessary został usunięty z komputera. Ustawienia pozostają w rejestrze, pod kluczem HKEY_CURRENT_USER\Software\Quenby's Tools\Tessary, aby nowa instalacja je odnalazła. Aby usunąć także je, usuń ten klucz w Edytorze rejestru."
LangString TessarySettingsKept ${LANG_PORTUGUESEBR} "O Tessary foi removido do computador. Suas configurações ficam no registro, em HKEY_CURRENT_USER\Software\Quenby's Tools\Tessary, para que uma nova instalação as encontre. Para removê-las também, exclua essa chave no Editor do Registro."
