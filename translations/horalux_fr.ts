<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AboutTab</name>
    <message>
        <source>This is version %1</source>
        <translation>Ceci est la version %1</translation>
    </message>
    <message>
        <source>About Horalux</source>
        <translation>À propos de Horalux</translation>
    </message>
    <message>
        <source>Horalux logo</source>
        <translation>Logo de Horalux</translation>
    </message>
    <message>
        <source>Click here for Instructions and Help</source>
        <translation>Cliquez pour le mode d’emploi et l’aide</translation>
    </message>
    <message>
        <source>Click here for instructions and help</source>
        <translation>Cliquez ici pour le mode d’emploi et l’aide</translation>
    </message>
    <message>
        <source>Updates</source>
        <extracomment>The title of the group about updating the program.</extracomment>
        <translation>Mises à jour</translation>
    </message>
    <message>
        <source>Updates to Horalux are free of charge and you can update the clock as often as you like. If you download an update and find that the clock isn`t working, then go to the Horalux home page and download the latest full version.</source>
        <translation>Les mises à jour de Horalux sont gratuites, aussi souvent que vous le voulez. Si l’horloge ne fonctionne plus après une mise à jour, téléchargez la dernière version complète sur la page d’accueil de Horalux.</translation>
    </message>
    <message>
        <source>Click here to update your copy of Horalux now</source>
        <translation>Cliquez ici pour mettre à jour Horalux maintenant</translation>
    </message>
    <message>
        <source>Click here to update your copy of Horalux</source>
        <translation>Cliquez ici pour mettre à jour votre copie de Horalux</translation>
    </message>
</context>
<context>
    <name>ClockMenu</name>
    <message>
        <source>-= Settings =-</source>
        <translation>-= Paramètres =-</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Paramètres</translation>
    </message>
    <message>
        <source>Show Time Zone</source>
        <translation>Afficher le fuseau horaire</translation>
    </message>
    <message>
        <source>Freeze current time zone</source>
        <translation>Figer le fuseau horaire actuel</translation>
    </message>
    <message>
        <source>About Horalux</source>
        <translation>À propos de Horalux</translation>
    </message>
    <message>
        <source>Instructions and Help</source>
        <translation>Mode d’emploi et aide</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Quitter</translation>
    </message>
</context>
<context>
    <name>ClockWindow</name>
    <message>
        <source>Next time zone</source>
        <translation>Fuseau horaire suivant</translation>
    </message>
    <message>
        <source>Right click for options</source>
        <translation>Clic droit pour les options</translation>
    </message>
    <message>
        <source>Waiting for data</source>
        <translation>En attente de données</translation>
    </message>
    <message>
        <source>Local time: 12:12:12</source>
        <translation>Heure locale&#xa0;: 12:12:12</translation>
    </message>
    <message>
        <source>Click here to move on to the next time zone</source>
        <translation>Cliquez ici pour passer au fuseau horaire suivant</translation>
    </message>
    <message>
        <source>Sorry, you can`t exit during an update. Please wait!</source>
        <translation>Désolé, vous ne pouvez pas quitter pendant une mise à jour. Veuillez patienter&#xa0;!</translation>
    </message>
    <message>
        <source>Please wait!</source>
        <translation>Veuillez patienter&#xa0;!</translation>
    </message>
</context>
<context>
    <name>DownloadDialog</name>
    <message>
        <source>Download File</source>
        <translation>Télécharger le fichier</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Error Downloading File</source>
        <translation>Erreur de téléchargement du fichier</translation>
    </message>
    <message>
        <source>Getting file information...</source>
        <extracomment>The progress line under the bar, which has room for two or three short lines.</extracomment>
        <translation>Obtention des informations sur le fichier…</translation>
    </message>
    <message>
        <source>Saving:<byte value="xd"/><byte value="xd"/>%1 from %2</source>
        <extracomment>The line above the bar. %1 is the file&apos;s name, %2 the web folder it comes from.</extracomment>
        <translation>Enregistrement&#xa0;:<byte value="xd"/><byte value="xd"/>%1 depuis %2</translation>
    </message>
    <message>
        <source>Download completed!</source>
        <translation>Téléchargement terminé&#xa0;!</translation>
    </message>
    <message>
        <source>Download failed!</source>
        <translation>Échec du téléchargement&#xa0;!</translation>
    </message>
    <message>
        <source>Authorization failed!</source>
        <translation>Échec de l’autorisation&#xa0;!</translation>
    </message>
    <message>
        <source>Unauthorized</source>
        <translation>Non autorisé</translation>
    </message>
    <message>
        <source>The file, %1 was not found!</source>
        <extracomment>%1 is the address of the file.</extracomment>
        <translation>Le fichier %1 est introuvable&#xa0;!</translation>
    </message>
    <message>
        <source>File Not Found</source>
        <translation>Fichier introuvable</translation>
    </message>
    <message>
        <source>Cannot establish connection.<byte value="xd"/><byte value="xd"/>Check your Internet connection and try again.</source>
        <translation>Impossible d’établir la connexion.<byte value="xd"/><byte value="xd"/>Vérifiez votre connexion Internet et réessayez.</translation>
    </message>
    <message>
        <source>Cannot Establish Connection</source>
        <translation>Impossible d’établir la connexion</translation>
    </message>
    <message>
        <source>The server returned the following response:<byte value="xd"/><byte value="xd"/>%1</source>
        <extracomment>%1 is the server&apos;s status line (e.g. &quot;HTTP/1.1 500 Internal Server Error&quot;) and a line break, or nothing.</extracomment>
        <translation>Le serveur a renvoyé la réponse suivante&#xa0;:<byte value="xd"/><byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>Download Error</source>
        <translation>Erreur de téléchargement</translation>
    </message>
    <message>
        <source>Cannot write file to disk!</source>
        <translation>Impossible d’écrire le fichier sur le disque&#xa0;!</translation>
    </message>
</context>
<context>
    <name>DownloadProgress</name>
    <message numerus="yes">
        <source>%n bytes</source>
        <extracomment>A size under 1000 bytes; %n is the count.</extracomment>
        <translation>
            <numerusform>%n octet</numerusform>
            <numerusform>%n octets</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 KB</source>
        <translation>%1&#xa0;Ko</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1&#xa0;Mo</translation>
    </message>
    <message>
        <source>%1 GB</source>
        <translation>%1&#xa0;Go</translation>
    </message>
    <message>
        <source>%1 sec</source>
        <extracomment>Seconds left, abbreviated; keep it short.</extracomment>
        <translation>%1&#xa0;s</translation>
    </message>
    <message>
        <source>%1 min %2 sec</source>
        <extracomment>Minutes and seconds left, abbreviated; keep it short.</extracomment>
        <translation>%1&#xa0;min %2&#xa0;s</translation>
    </message>
    <message>
        <source>%1 hr %2 min</source>
        <extracomment>Hours and minutes left, abbreviated; keep it short.</extracomment>
        <translation>%1&#xa0;h %2&#xa0;min</translation>
    </message>
    <message>
        <source>Transfer Rate: %1 KB/Sec</source>
        <extracomment>The progress label has a fixed width: keep it short. %1 is the rate in kilobytes a second.</extracomment>
        <translation>Débit&#xa0;: %1&#xa0;Ko/s</translation>
    </message>
    <message>
        <source>Estimated Time Left: unknown (%1 copied)</source>
        <extracomment>The progress label has a fixed width: keep it short. %1 is the amount received so far.</extracomment>
        <translation>Temps restant&#xa0;: inconnu (%1 copiés)</translation>
    </message>
    <message>
        <source>Estimated Time Left: %1 (%2 of %3 copied)</source>
        <extracomment>The progress label has a fixed width: keep it short. %1 is the time left, %2 the amount received, %3 the file&apos;s size.</extracomment>
        <translation>Temps restant&#xa0;: %1 (%2 sur %3 copiés)</translation>
    </message>
    <message>
        <source>%1% of %2 Completed</source>
        <extracomment>The download window&apos;s title. %1 is the percentage done, %2 the file&apos;s name.</extracomment>
        <translation>%1&#xa0;% de %2 terminé</translation>
    </message>
</context>
<context>
    <name>QtProcesses</name>
    <message>
        <source>Horalux is already running: the running clock was brought to the front.</source>
        <translation>Horalux est déjà lancé : l’horloge en cours a été mise au premier plan.</translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source>You must select AT LEAST one of the time zones to be displayed. United Kingdom has now been turned on.</source>
        <translation>Vous devez sélectionner AU MOINS un fuseau horaire à afficher. Le Royaume-Uni vient d’être activé.</translation>
    </message>
    <message>
        <source>Error!</source>
        <extracomment>The title of a message box about a choice the user must make.</extracomment>
        <translation>Erreur&#xa0;!</translation>
    </message>
    <message>
        <source>Your settings could not all be saved. The clock uses them now, but they will be lost when it ends.

%1

Make room on the disk or make the folder writable, then press Apply again.</source>
        <extracomment>%1 is one line per setting that could not be stored, with the reason.</extracomment>
        <translation>Certains de vos paramètres n’ont pas pu être enregistrés. L’horloge les utilise dès maintenant, mais ils seront perdus à sa fermeture.

%1

Libérez de la place sur le disque ou rendez le dossier accessible en écriture, puis cliquez de nouveau sur Appliquer.</translation>
    </message>
    <message>
        <source>Settings not saved</source>
        <translation>Paramètres non enregistrés</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <extracomment>A button of fixed width: keep it short.</extracomment>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Click here to save changes and exit</source>
        <translation>Cliquez ici pour enregistrer les modifications et fermer</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <extracomment>A button of fixed width: keep it short.</extracomment>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Click here to exit without saving changes</source>
        <translation>Cliquez ici pour fermer sans enregistrer les modifications</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <extracomment>A button of fixed width: keep it short.</extracomment>
        <translation>A&amp;ppliquer</translation>
    </message>
    <message>
        <source>Click here to save changes</source>
        <translation>Cliquez ici pour enregistrer les modifications</translation>
    </message>
    <message>
        <source>Settings</source>
        <comment>window title</comment>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Time Zones</source>
        <comment>tab</comment>
        <translation>Fuseaux horaires</translation>
    </message>
    <message>
        <source>Settings</source>
        <comment>tab</comment>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>About</source>
        <comment>tab</comment>
        <translation>À propos</translation>
    </message>
</context>
<context>
    <name>SettingsTab</name>
    <message>
        <source>Time delay between time zones being shown</source>
        <translation>Délai entre l’affichage de deux fuseaux horaires</translation>
    </message>
    <message>
        <source>Seconds between time zones</source>
        <translation>Secondes entre deux fuseaux horaires</translation>
    </message>
    <message>
        <source>Click either the up or down arrow to adjust the zone scan frequency</source>
        <translation>Cliquez sur la flèche haut ou bas pour régler la fréquence de défilement des fuseaux</translation>
    </message>
    <message>
        <source>Change the delay</source>
        <translation>Modifier le délai</translation>
    </message>
    <message>
        <source>The Up and Down keys add or take away a second</source>
        <translation>Les touches Haut et Bas ajoutent ou retirent une seconde</translation>
    </message>
    <message>
        <source>Increase delay</source>
        <translation>Augmenter le délai</translation>
    </message>
    <message>
        <source>Decrease delay</source>
        <translation>Diminuer le délai</translation>
    </message>
    <message>
        <source>This is the time in seconds between time zone scans</source>
        <translation>Temps en secondes entre deux fuseaux horaires</translation>
    </message>
    <message>
        <source>General</source>
        <extracomment>The title of a group of check boxes.</extracomment>
        <translation>Général</translation>
    </message>
    <message>
        <source>Make Horalux load with windows</source>
        <translation>Lancer Horalux au démarrage du bureau</translation>
    </message>
    <message>
        <source>Check this box to either enable or disable the clock loading with windows</source>
        <translation>Cochez cette case pour activer ou désactiver le lancement de l’horloge au démarrage du bureau</translation>
    </message>
    <message>
        <source>Make Horalux always on top (of other windows)</source>
        <translation>Garder Horalux au premier plan (devant les autres fenêtres)</translation>
    </message>
    <message>
        <source>Check this box to make Horalux always on top</source>
        <translation>Cochez cette case pour garder Horalux toujours au premier plan</translation>
    </message>
    <message>
        <source>Use a 24 hour clock instead of the standard 12 hour clock</source>
        <translation>Utiliser le format 24 heures au lieu du format 12 heures</translation>
    </message>
    <message>
        <source>Click here to make the clock 24 hour instead of 12 hour (or vice versa)</source>
        <translation>Cliquez ici pour passer l’horloge au format 24 heures au lieu de 12 heures (ou inversement)</translation>
    </message>
    <message>
        <source>Syncronize the system time using the Internet (more accurate time zones)</source>
        <translation>Synchroniser l’heure système par Internet (fuseaux horaires plus précis)</translation>
    </message>
    <message>
        <source>Enable the system time to be syncronised to the Internet time servers</source>
        <translation>Synchroniser l’heure système avec les serveurs de temps Internet</translation>
    </message>
    <message>
        <source>Check this box to enable the time to be checked and set by the Internet Time servers</source>
        <translation>Cochez cette case pour que l’heure soit vérifiée et réglée par les serveurs de temps Internet</translation>
    </message>
    <message>
        <source>Use graphical effects</source>
        <translation>Utiliser des effets graphiques</translation>
    </message>
    <message>
        <source>Use different background graphics to coincide with the time of zone</source>
        <translation>Utiliser un fond différent selon l’heure du fuseau</translation>
    </message>
    <message>
        <source>Check this box to enable different background graphics</source>
        <translation>Cochez cette case pour activer des images de fond différentes</translation>
    </message>
    <message>
        <source>DST Settings</source>
        <translation>Paramètres de l’heure d’été</translation>
    </message>
    <message>
        <source>Automatically adjust the time for countries that support DST. E.g. in the UK, between April and October, the clocks go forward by 1 hour. This is called Daylight Saving Time. Unless you specifically want to see the time in an accurate scientific manner, then leave this option checked.</source>
        <translation>Ajuster automatiquement l’heure des pays qui appliquent l’heure d’été. Par exemple, au Royaume-Uni, d’avril à octobre, les horloges avancent d’une heure. C’est ce qu’on appelle l’heure d’été. Sauf si vous voulez voir l’heure de façon scientifiquement exacte, laissez cette option cochée.</translation>
    </message>
    <message>
        <source>Check this box to enable automatic adjustments for DST</source>
        <translation>Cochez cette case pour activer le passage automatique à l’heure d’été</translation>
    </message>
    <message>
        <source>Exact time zones</source>
        <translation>Fuseaux horaires exacts</translation>
    </message>
    <message>
        <source>Check this box to show each zone&apos;s exact local time, with its own daylight-saving dates</source>
        <translation>Cochez cette case pour afficher l’heure locale exacte de chaque fuseau, avec ses propres dates d’heure d’été</translation>
    </message>
    <message>
        <source>Sorry, your Time delay is set to an invalid number. You must choose a number between 5 and 60. I have now set it to 20 for you</source>
        <translation>Désolé, le délai indiqué n’est pas un nombre valide. Vous devez choisir un nombre entre 5 et 60. Je l’ai réglé sur 20 pour vous.</translation>
    </message>
    <message>
        <source>Error</source>
        <extracomment>The title of a message box about a wrong number.</extracomment>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>On: each zone&apos;s own clock rules (time-zone database)</source>
        <translation>Activé : les règles d&apos;heure propres à chaque zone (base des fuseaux)</translation>
    </message>
    <message>
        <source>Off: fixed offsets and one shared summer rule</source>
        <translation>Désactivé : décalages fixes et une seule règle d&apos;été</translation>
    </message>
</context>
<context>
    <name>TimeZonesTab</name>
    <message>
        <source>Enter the time difference between this time zone and GMT. E.g. France would have a difference of +1 and Arizona, USA would have a difference of -7</source>
        <translation>Saisissez le décalage horaire entre ce fuseau et GMT. Par exemple, la France a un décalage de +1 et l’Arizona (États-Unis) un décalage de -7</translation>
    </message>
    <message>
        <source>From the list below, check which time zones you wish to see shown with Horalux. If you remove the check from a time zone, then that zone will be skipped by Horalux.</source>
        <translation>Dans la liste ci-dessous, cochez les fuseaux horaires que Horalux doit afficher. Si vous décochez un fuseau horaire, Horalux l’ignorera.</translation>
    </message>
    <message>
        <source>Check to enable this time zone, uncheck to disable it.</source>
        <translation>Cochez pour activer ce fuseau horaire, décochez pour le désactiver.</translation>
    </message>
    <message>
        <source>Custom Time Zones. Please type in the name of your own time zone</source>
        <translation>Fuseaux horaires personnalisés. Saisissez le nom de votre propre fuseau horaire</translation>
    </message>
    <message>
        <source>Name of custom time zone %1</source>
        <translation>Nom du fuseau horaire personnalisé %1</translation>
    </message>
    <message>
        <source>Enter any name you wish in here, this can be your town/city, country or even your name</source>
        <translation>Saisissez ici le nom de votre choix&#xa0;: votre ville, votre pays ou même votre nom</translation>
    </message>
    <message>
        <source>GMT offset</source>
        <extracomment>A label of fixed width before a small box: keep it short.</extracomment>
        <translation>Écart GMT</translation>
    </message>
    <message>
        <source>GMT offset of custom time zone %1</source>
        <translation>Écart GMT du fuseau horaire personnalisé %1</translation>
    </message>
    <message>
        <source>Reset</source>
        <extracomment>A button of fixed width that clears a custom time zone: keep it short.</extracomment>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Click here to delete this custom time zone</source>
        <translation>Cliquez ici pour supprimer ce fuseau horaire personnalisé</translation>
    </message>
    <message>
        <source>Reset custom time zone %1</source>
        <translation>Effacer le fuseau horaire personnalisé %1</translation>
    </message>
    <message>
        <source>Enter the name of the time zone in here</source>
        <translation>Saisissez ici le nom du fuseau horaire</translation>
    </message>
    <message>
        <source>No place of this name is known: shown at %1, as typed.</source>
        <extracomment>Under a custom zone&apos;s name box; %1 is the offset the clock uses, such as &quot;GMT+5:30&quot;. Keep it short.</extracomment>
        <translation>Aucun lieu connu de ce nom : affiché à %1, comme saisi.</translation>
    </message>
</context>
<context>
    <name>UpdateChecker</name>
    <message>
        <source>Horalux is about to check with Veltrane to see whether there is an update available. If you are using a FireWall, then you may be asked to grant permission to Horalux to access the Internet. Please select YES and allow the rule, if you don`t do this, then Horalux won`t be able to update itself!</source>
        <translation>Horalux va vérifier auprès de Veltrane si une mise à jour est disponible. Si vous utilisez un pare-feu, il vous sera peut-être demandé d’autoriser Horalux à accéder à Internet. Choisissez OUI et autorisez la règle&#xa0;; sinon, Horalux ne pourra pas se mettre à jour&#xa0;!</translation>
    </message>
    <message>
        <source>Internet access beginning.</source>
        <translation>Début de l’accès à Internet.</translation>
    </message>
    <message>
        <source>NewVersion</source>
        <extracomment>The title of the box that offers a newer version.</extracomment>
        <translation>Nouvelle version</translation>
    </message>
</context>
<context>
    <name>UpdateInstall</name>
    <message>
        <source>The downloaded update is not signed by the makers of Horalux, so it has been deleted and was not run. Your clock has not been changed.</source>
        <translation>La mise à jour téléchargée n’est pas signée par les auteurs de Horalux&#xa0;: elle a donc été supprimée sans être exécutée. Votre horloge n’a pas été modifiée.</translation>
    </message>
    <message>
        <source>This copy of Horalux does not update itself: new versions come from where it was installed, such as your package manager.<byte value="xd"/>
<byte value="xd"/>
Do you want to open the Horalux home page to see what is new?</source>
        <translation>Cette copie de Horalux ne se met pas à jour elle-même&#xa0;: les nouvelles versions proviennent de l’endroit où elle a été installée, par exemple votre gestionnaire de paquets.<byte value="xd"/>
<byte value="xd"/>
Voulez-vous ouvrir la page d’accueil de Horalux pour voir les nouveautés&#xa0;?</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>Mises à jour</translation>
    </message>
    <message>
        <source>I Can`t download right now, please try again in a couple of minutes!</source>
        <translation>Je ne peux pas télécharger pour l’instant, veuillez réessayer dans quelques minutes&#xa0;!</translation>
    </message>
    <message>
        <source>Sorry, I`m busy</source>
        <translation>Désolé, je suis occupé</translation>
    </message>
    <message>
        <source>Download failed.</source>
        <translation>Échec du téléchargement.</translation>
    </message>
    <message>
        <source>Download Failed</source>
        <translation>Échec du téléchargement</translation>
    </message>
    <message>
        <source>Update Not Trusted</source>
        <translation>Mise à jour non fiable</translation>
    </message>
    <message>
        <source>Download successful! I will now run the update file.</source>
        <translation>Téléchargement réussi&#xa0;! Je vais maintenant lancer le fichier de mise à jour.</translation>
    </message>
    <message>
        <source>Download Successful!</source>
        <translation>Téléchargement réussi&#xa0;!</translation>
    </message>
</context>
<context>
    <name>UpdateOffer</name>
    <message>
        <source>There is a new version of Horalux available.<byte value="xd"/>
You have version %1, and the new version number<byte value="xd"/>
is %2. Do you want me to download it now for you?<byte value="xd"/>
<byte value="xd"/>
WARNING: if this update stops your clock from working, then please<byte value="xd"/>
go along to %3 and download<byte value="xd"/>
the latest FULL VERSION (not update) from there</source>
        <extracomment>%1 is the running version, %2 the new one, %3 the web site&apos;s address; break the lines where they read well.</extracomment>
        <translation>Une nouvelle version de Horalux est disponible.<byte value="xd"/>
Vous avez la version %1 et le numéro de la nouvelle version<byte value="xd"/>
est %2. Voulez-vous que je la télécharge pour vous maintenant&#xa0;?<byte value="xd"/>
<byte value="xd"/>
ATTENTION&#xa0;: si cette mise à jour empêche votre horloge de fonctionner,<byte value="xd"/>
rendez-vous sur %3 et téléchargez-y<byte value="xd"/>
la dernière VERSION COMPLÈTE (pas la mise à jour)</translation>
    </message>
    <message>
        <source>There is a new version of Horalux available.<byte value="xd"/>
You have version %1, and the new version number<byte value="xd"/>
is %2.<byte value="xd"/>
<byte value="xd"/>
This copy of Horalux does not update itself: new versions come from where<byte value="xd"/>
it was installed, such as your package manager. Do you want to open the<byte value="xd"/>
Horalux home page to see what is new?</source>
        <extracomment>%1 is the running version, %2 the new one; break the lines where they read well.</extracomment>
        <translation>Une nouvelle version de Horalux est disponible.<byte value="xd"/>
Vous avez la version %1 et le numéro de la nouvelle version<byte value="xd"/>
est %2.<byte value="xd"/>
<byte value="xd"/>
Cette copie de Horalux ne se met pas à jour elle-même&#xa0;: les nouvelles versions proviennent<byte value="xd"/>
de l’endroit où elle a été installée, par exemple votre gestionnaire de paquets.<byte value="xd"/>
Voulez-vous ouvrir la page d’accueil de Horalux pour voir les nouveautés&#xa0;?</translation>
    </message>
</context>
<context>
    <name>WebLaunch</name>
    <message>
        <source>Do you want to connect to the Horalux home page on the Internet? You may be able to find help there?</source>
        <translation>Voulez-vous vous connecter à la page d’accueil de Horalux sur Internet&#xa0;? Vous y trouverez peut-être de l’aide.</translation>
    </message>
    <message>
        <source>Do you want more help?</source>
        <translation>Voulez-vous plus d’aide&#xa0;?</translation>
    </message>
    <message>
        <source>Could not find associated browser!</source>
        <translation>Impossible de trouver le navigateur associé&#xa0;!</translation>
    </message>
    <message>
        <source>BROWSER NOT FOUND</source>
        <translation>NAVIGATEUR INTROUVABLE</translation>
    </message>
    <message>
        <source>Web Page not Opened</source>
        <translation>Page web non ouverte</translation>
    </message>
    <message>
        <source>URL FAILED</source>
        <translation>ÉCHEC DE L’URL</translation>
    </message>
</context>
<context>
    <name>Zones</name>
    <message>
        <source>United Kingdom</source>
        <translation>Royaume-Uni</translation>
    </message>
    <message>
        <source>Pacific Time, USA</source>
        <translation>Heure du Pacifique, É.-U.</translation>
    </message>
    <message>
        <source>Mountain Time, USA</source>
        <translation>Heure des Rocheuses, É.-U.</translation>
    </message>
    <message>
        <source>Central Time, USA</source>
        <translation>Heure du Centre, É.-U.</translation>
    </message>
    <message>
        <source>Central Time (US and Canada)</source>
        <translation>Heure du Centre (É.-U. et Canada)</translation>
    </message>
    <message>
        <source>Eastern Time, USA</source>
        <translation>Heure de l’Est, É.-U.</translation>
    </message>
    <message>
        <source>Eastern Time (US and Canada)</source>
        <translation>Heure de l’Est (É.-U. et Canada)</translation>
    </message>
    <message>
        <source>Brasilia + Greenland</source>
        <translation>Brasilia + Groenland</translation>
    </message>
    <message>
        <source>Brazil</source>
        <translation>Brésil</translation>
    </message>
    <message>
        <source>Amsterdam + Berlin</source>
        <translation>Amsterdam + Berlin</translation>
    </message>
    <message>
        <source>Belgium + France</source>
        <translation>Belgique + France</translation>
    </message>
    <message>
        <source>Jerusalem</source>
        <translation>Jérusalem</translation>
    </message>
    <message>
        <source>Kuwait + Riyadh</source>
        <translation>Koweït + Riyad</translation>
    </message>
    <message>
        <source>Kuwait + Riyahd</source>
        <translation>Koweït + Riyad</translation>
    </message>
    <message>
        <source>Moscow + Volgograd</source>
        <translation>Moscou + Volgograd</translation>
    </message>
    <message>
        <source>Moscow, Volgograd</source>
        <translation>Moscou, Volgograd</translation>
    </message>
    <message>
        <source>Abu Dhabi + Muscat</source>
        <translation>Abou Dabi + Mascate</translation>
    </message>
    <message>
        <source>Abu Dhabi, Muscat</source>
        <translation>Abou Dabi, Mascate</translation>
    </message>
    <message>
        <source>Islamabad + Tashkent</source>
        <translation>Islamabad + Tachkent</translation>
    </message>
    <message>
        <source>Bangkok + Hanoi</source>
        <translation>Bangkok + Hanoï</translation>
    </message>
    <message>
        <source>Beijing + Hong Kong</source>
        <translation>Pékin + Hong Kong</translation>
    </message>
    <message>
        <source>Perth, Australia</source>
        <translation>Perth, Australie</translation>
    </message>
    <message>
        <source>Seoul, South Korea</source>
        <translation>Séoul, Corée du Sud</translation>
    </message>
    <message>
        <source>Brisbane, Australia</source>
        <translation>Brisbane, Australie</translation>
    </message>
    <message>
        <source>Vladivostok, Russia</source>
        <translation>Vladivostok, Russie</translation>
    </message>
    <message>
        <source>Vladivostok + Russia</source>
        <translation>Vladivostok, Russie</translation>
    </message>
    <message>
        <source>Wellington, New Zealand</source>
        <translation>Wellington, Nlle-Zélande</translation>
    </message>
    <message>
        <source>Finland</source>
        <translation>Finlande</translation>
    </message>
    <message>
        <source>Germany + Gibraltar</source>
        <translation>Allemagne + Gibraltar</translation>
    </message>
    <message>
        <source>Spain + Sweden</source>
        <translation>Espagne + Suède</translation>
    </message>
    <message>
        <source>Turkey</source>
        <translation>Turquie</translation>
    </message>
</context>
</TS>
