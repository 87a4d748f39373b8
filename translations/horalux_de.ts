<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AboutTab</name>
    <message>
        <source>This is version %1</source>
        <translation>Dies ist Version %1</translation>
    </message>
    <message>
        <source>About Horalux</source>
        <translation>Über Horalux</translation>
    </message>
    <message>
        <source>Horalux logo</source>
        <translation>Horalux-Logo</translation>
    </message>
    <message>
        <source>Click here for Instructions and Help</source>
        <translation>Hier klicken für Anleitung und Hilfe</translation>
    </message>
    <message>
        <source>Click here for instructions and help</source>
        <translation>Klicken Sie hier für Anleitung und Hilfe</translation>
    </message>
    <message>
        <source>Updates</source>
        <extracomment>The title of the group about updating the program.</extracomment>
        <translation>Aktualisierungen</translation>
    </message>
    <message>
        <source>Updates to Horalux are free of charge and you can update the clock as often as you like. If you download an update and find that the clock isn`t working, then go to the Horalux home page and download the latest full version.</source>
        <translation>Aktualisierungen für Horalux sind kostenlos – aktualisieren Sie die Uhr, so oft Sie möchten. Läuft die Uhr nach einer Aktualisierung nicht mehr, laden Sie die neueste Vollversion von der Horalux-Homepage herunter.</translation>
    </message>
    <message>
        <source>Click here to update your copy of Horalux now</source>
        <translation>Hier klicken, um Horalux jetzt zu aktualisieren</translation>
    </message>
    <message>
        <source>Click here to update your copy of Horalux</source>
        <translation>Klicken Sie hier, um Horalux zu aktualisieren</translation>
    </message>
</context>
<context>
    <name>ClockMenu</name>
    <message>
        <source>-= Settings =-</source>
        <translation>-= Einstellungen =-</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Einstellungen</translation>
    </message>
    <message>
        <source>Show Time Zone</source>
        <translation>Zeitzone anzeigen</translation>
    </message>
    <message>
        <source>Freeze current time zone</source>
        <translation>Aktuelle Zeitzone festhalten</translation>
    </message>
    <message>
        <source>About Horalux</source>
        <translation>Über Horalux</translation>
    </message>
    <message>
        <source>Instructions and Help</source>
        <translation>Anleitung und Hilfe</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Beenden</translation>
    </message>
</context>
<context>
    <name>ClockWindow</name>
    <message>
        <source>Next time zone</source>
        <translation>Nächste Zeitzone</translation>
    </message>
    <message>
        <source>Right click for options</source>
        <translation>Rechtsklick für Optionen</translation>
    </message>
    <message>
        <source>Waiting for data</source>
        <translation>Warte auf Daten</translation>
    </message>
    <message>
        <source>Local time: 12:12:12</source>
        <translation>Ortszeit: 12:12:12</translation>
    </message>
    <message>
        <source>Click here to move on to the next time zone</source>
        <translation>Klicken Sie hier, um zur nächsten Zeitzone zu wechseln</translation>
    </message>
    <message>
        <source>Sorry, you can`t exit during an update. Please wait!</source>
        <translation>Während einer Aktualisierung kann Horalux leider nicht beendet werden. Bitte warten Sie!</translation>
    </message>
    <message>
        <source>Please wait!</source>
        <translation>Bitte warten!</translation>
    </message>
</context>
<context>
    <name>DownloadDialog</name>
    <message>
        <source>Download File</source>
        <translation>Datei herunterladen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Error Downloading File</source>
        <translation>Fehler beim Herunterladen der Datei</translation>
    </message>
    <message>
        <source>Getting file information...</source>
        <extracomment>The progress line under the bar, which has room for two or three short lines.</extracomment>
        <translation>Dateiinformationen werden abgerufen …</translation>
    </message>
    <message>
        <source>Saving:<byte value="xd"/><byte value="xd"/>%1 from %2</source>
        <extracomment>The line above the bar. %1 is the file&apos;s name, %2 the web folder it comes from.</extracomment>
        <translation>Wird gespeichert:<byte value="xd"/><byte value="xd"/>%1 von %2</translation>
    </message>
    <message>
        <source>Download completed!</source>
        <translation>Download abgeschlossen!</translation>
    </message>
    <message>
        <source>Download failed!</source>
        <translation>Download fehlgeschlagen!</translation>
    </message>
    <message>
        <source>Authorization failed!</source>
        <translation>Autorisierung fehlgeschlagen!</translation>
    </message>
    <message>
        <source>Unauthorized</source>
        <translation>Nicht autorisiert</translation>
    </message>
    <message>
        <source>The file, %1 was not found!</source>
        <extracomment>%1 is the address of the file.</extracomment>
        <translation>Die Datei %1 wurde nicht gefunden!</translation>
    </message>
    <message>
        <source>File Not Found</source>
        <translation>Datei nicht gefunden</translation>
    </message>
    <message>
        <source>Cannot establish connection.<byte value="xd"/><byte value="xd"/>Check your Internet connection and try again.</source>
        <translation>Es kann keine Verbindung hergestellt werden.<byte value="xd"/><byte value="xd"/>Überprüfen Sie Ihre Internetverbindung und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Cannot Establish Connection</source>
        <translation>Keine Verbindung möglich</translation>
    </message>
    <message>
        <source>The server returned the following response:<byte value="xd"/><byte value="xd"/>%1</source>
        <extracomment>%1 is the server&apos;s status line (e.g. &quot;HTTP/1.1 500 Internal Server Error&quot;) and a line break, or nothing.</extracomment>
        <translation>Der Server hat folgende Antwort gesendet:<byte value="xd"/><byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>Download Error</source>
        <translation>Fehler beim Herunterladen</translation>
    </message>
    <message>
        <source>Cannot write file to disk!</source>
        <translation>Die Datei kann nicht auf den Datenträger geschrieben werden!</translation>
    </message>
</context>
<context>
    <name>DownloadProgress</name>
    <message numerus="yes">
        <source>%n bytes</source>
        <extracomment>A size under 1000 bytes; %n is the count.</extracomment>
        <translation>
            <numerusform>%n Byte</numerusform>
            <numerusform>%n Byte</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 KB</source>
        <translation>%1 KB</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>%1 GB</source>
        <translation>%1 GB</translation>
    </message>
    <message>
        <source>%1 sec</source>
        <extracomment>Seconds left, abbreviated; keep it short.</extracomment>
        <translation>%1 Sek.</translation>
    </message>
    <message>
        <source>%1 min %2 sec</source>
        <extracomment>Minutes and seconds left, abbreviated; keep it short.</extracomment>
        <translation>%1 Min. %2 Sek.</translation>
    </message>
    <message>
        <source>%1 hr %2 min</source>
        <extracomment>Hours and minutes left, abbreviated; keep it short.</extracomment>
        <translation>%1 Std. %2 Min.</translation>
    </message>
    <message>
        <source>Transfer Rate: %1 KB/Sec</source>
        <extracomment>The progress label has a fixed width: keep it short. %1 is the rate in kilobytes a second.</extracomment>
        <translation>Übertragungsrate: %1 KB/s</translation>
    </message>
    <message>
        <source>Estimated Time Left: unknown (%1 copied)</source>
        <extracomment>The progress label has a fixed width: keep it short. %1 is the amount received so far.</extracomment>
        <translation>Restzeit: unbekannt (%1 kopiert)</translation>
    </message>
    <message>
        <source>Estimated Time Left: %1 (%2 of %3 copied)</source>
        <extracomment>The progress label has a fixed width: keep it short. %1 is the time left, %2 the amount received, %3 the file&apos;s size.</extracomment>
        <translation>Restzeit: %1 (%2 von %3 kopiert)</translation>
    </message>
    <message>
        <source>%1% of %2 Completed</source>
        <extracomment>The download window&apos;s title. %1 is the percentage done, %2 the file&apos;s name.</extracomment>
        <translation>%1 % von %2 abgeschlossen</translation>
    </message>
</context>
<context>
    <name>QtProcesses</name>
    <message>
        <source>Horalux is already running: the running clock was brought to the front.</source>
        <translation>Horalux läuft bereits: die laufende Uhr wurde in den Vordergrund geholt.</translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source>You must select AT LEAST one of the time zones to be displayed. United Kingdom has now been turned on.</source>
        <translation>Sie müssen MINDESTENS eine Zeitzone zur Anzeige auswählen. Die Zeitzone „Vereinigtes Königreich“ wurde jetzt eingeschaltet.</translation>
    </message>
    <message>
        <source>Error!</source>
        <extracomment>The title of a message box about a choice the user must make.</extracomment>
        <translation>Fehler!</translation>
    </message>
    <message>
        <source>Your settings could not all be saved. The clock uses them now, but they will be lost when it ends.

%1

Make room on the disk or make the folder writable, then press Apply again.</source>
        <extracomment>%1 is one line per setting that could not be stored, with the reason.</extracomment>
        <translation>Nicht alle Ihre Einstellungen konnten gespeichert werden. Die Uhr verwendet sie jetzt, aber sie gehen verloren, wenn die Uhr beendet wird.

%1

Schaffen Sie Platz auf dem Datenträger oder machen Sie den Ordner beschreibbar, und klicken Sie dann erneut auf „Anwenden“.</translation>
    </message>
    <message>
        <source>Settings not saved</source>
        <translation>Einstellungen nicht gespeichert</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <extracomment>A button of fixed width: keep it short.</extracomment>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Click here to save changes and exit</source>
        <translation>Klicken Sie hier, um die Änderungen zu speichern und das Fenster zu schließen</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <extracomment>A button of fixed width: keep it short.</extracomment>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Click here to exit without saving changes</source>
        <translation>Klicken Sie hier, um das Fenster ohne Speichern der Änderungen zu schließen</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <extracomment>A button of fixed width: keep it short.</extracomment>
        <translation>A&amp;nwenden</translation>
    </message>
    <message>
        <source>Click here to save changes</source>
        <translation>Klicken Sie hier, um die Änderungen zu speichern</translation>
    </message>
    <message>
        <source>Settings</source>
        <comment>window title</comment>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Time Zones</source>
        <comment>tab</comment>
        <translation>Zeitzonen</translation>
    </message>
    <message>
        <source>Settings</source>
        <comment>tab</comment>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>About</source>
        <comment>tab</comment>
        <translation>Info</translation>
    </message>
</context>
<context>
    <name>SettingsTab</name>
    <message>
        <source>Time delay between time zones being shown</source>
        <translation>Anzeigedauer jeder Zeitzone</translation>
    </message>
    <message>
        <source>Seconds between time zones</source>
        <translation>Sekunden bis zur nächsten Zeitzone</translation>
    </message>
    <message>
        <source>Click either the up or down arrow to adjust the zone scan frequency</source>
        <translation>Klicken Sie auf den Pfeil nach oben oder unten, um die Anzeigedauer anzupassen</translation>
    </message>
    <message>
        <source>Change the delay</source>
        <translation>Anzeigedauer ändern</translation>
    </message>
    <message>
        <source>The Up and Down keys add or take away a second</source>
        <translation>Die Pfeiltasten nach oben und unten verlängern oder verkürzen sie um eine Sekunde</translation>
    </message>
    <message>
        <source>Increase delay</source>
        <translation>Anzeigedauer verlängern</translation>
    </message>
    <message>
        <source>Decrease delay</source>
        <translation>Anzeigedauer verkürzen</translation>
    </message>
    <message>
        <source>This is the time in seconds between time zone scans</source>
        <translation>Sekunden bis zum Wechsel zur nächsten Zeitzone</translation>
    </message>
    <message>
        <source>General</source>
        <extracomment>The title of a group of check boxes.</extracomment>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Make Horalux load with windows</source>
        <translation>Horalux bei der Anmeldung starten</translation>
    </message>
    <message>
        <source>Check this box to either enable or disable the clock loading with windows</source>
        <translation>Aktivieren oder deaktivieren Sie dieses Kontrollkästchen, um den Start der Uhr bei der Anmeldung ein- oder auszuschalten</translation>
    </message>
    <message>
        <source>Make Horalux always on top (of other windows)</source>
        <translation>Horalux immer im Vordergrund halten (vor anderen Fenstern)</translation>
    </message>
    <message>
        <source>Check this box to make Horalux always on top</source>
        <translation>Aktivieren Sie dieses Kontrollkästchen, damit Horalux immer im Vordergrund bleibt</translation>
    </message>
    <message>
        <source>Use a 24 hour clock instead of the standard 12 hour clock</source>
        <translation>24-Stunden-Anzeige statt der 12-Stunden-Anzeige verwenden</translation>
    </message>
    <message>
        <source>Click here to make the clock 24 hour instead of 12 hour (or vice versa)</source>
        <translation>Klicken Sie hier, um die Uhr zwischen 24- und 12-Stunden-Anzeige umzuschalten</translation>
    </message>
    <message>
        <source>Syncronize the system time using the Internet (more accurate time zones)</source>
        <translation>Systemzeit über das Internet synchronisieren (genauere Zeitzonen)</translation>
    </message>
    <message>
        <source>Enable the system time to be syncronised to the Internet time servers</source>
        <translation>Systemzeit mit den Zeitservern im Internet synchronisieren</translation>
    </message>
    <message>
        <source>Check this box to enable the time to be checked and set by the Internet Time servers</source>
        <translation>Aktivieren Sie dieses Kontrollkästchen, damit die Uhrzeit von Zeitservern im Internet geprüft und gestellt wird</translation>
    </message>
    <message>
        <source>Use graphical effects</source>
        <translation>Grafische Effekte verwenden</translation>
    </message>
    <message>
        <source>Use different background graphics to coincide with the time of zone</source>
        <translation>Je nach Tageszeit der Zeitzone verschiedene Hintergrundbilder verwenden</translation>
    </message>
    <message>
        <source>Check this box to enable different background graphics</source>
        <translation>Aktivieren Sie dieses Kontrollkästchen für wechselnde Hintergrundbilder</translation>
    </message>
    <message>
        <source>DST Settings</source>
        <translation>Sommerzeit</translation>
    </message>
    <message>
        <source>Automatically adjust the time for countries that support DST. E.g. in the UK, between April and October, the clocks go forward by 1 hour. This is called Daylight Saving Time. Unless you specifically want to see the time in an accurate scientific manner, then leave this option checked.</source>
        <translation>Uhrzeit für Länder mit Sommerzeit automatisch anpassen. Im Vereinigten Königreich z. B. werden die Uhren zwischen April und Oktober um 1 Stunde vorgestellt. Das nennt man Sommerzeit. Lassen Sie diese Option eingeschaltet, sofern Sie die Zeit nicht ausdrücklich wissenschaftlich exakt sehen möchten.</translation>
    </message>
    <message>
        <source>Check this box to enable automatic adjustments for DST</source>
        <translation>Aktivieren Sie dieses Kontrollkästchen für die automatische Umstellung auf Sommerzeit</translation>
    </message>
    <message>
        <source>Exact time zones</source>
        <translation>Genaue Zeitzonen</translation>
    </message>
    <message>
        <source>Check this box to show each zone&apos;s exact local time, with its own daylight-saving dates</source>
        <translation>Aktivieren Sie dieses Kontrollkästchen, um die genaue Ortszeit jeder Zone mit ihren eigenen Sommerzeitterminen anzuzeigen</translation>
    </message>
    <message>
        <source>Sorry, your Time delay is set to an invalid number. You must choose a number between 5 and 60. I have now set it to 20 for you</source>
        <translation>Die Anzeigedauer ist leider auf eine ungültige Zahl eingestellt. Sie müssen eine Zahl zwischen 5 und 60 wählen. Ich habe sie jetzt für Sie auf 20 gesetzt.</translation>
    </message>
    <message>
        <source>Error</source>
        <extracomment>The title of a message box about a wrong number.</extracomment>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>On: each zone&apos;s own clock rules (time-zone database)</source>
        <translation>Ein: die eigenen Uhrregeln jeder Zone (Zeitzonen-Datenbank)</translation>
    </message>
    <message>
        <source>Off: fixed offsets and one shared summer rule</source>
        <translation>Aus: feste Abstände und eine gemeinsame Sommerzeitregel</translation>
    </message>
</context>
<context>
    <name>TimeZonesTab</name>
    <message>
        <source>Enter the time difference between this time zone and GMT. E.g. France would have a difference of +1 and Arizona, USA would have a difference of -7</source>
        <translation>Geben Sie den Zeitunterschied zwischen dieser Zeitzone und GMT ein. Frankreich hätte z. B. einen Unterschied von +1 und Arizona (USA) einen Unterschied von -7</translation>
    </message>
    <message>
        <source>From the list below, check which time zones you wish to see shown with Horalux. If you remove the check from a time zone, then that zone will be skipped by Horalux.</source>
        <translation>Kreuzen Sie in der Liste unten die Zeitzonen an, die Horalux anzeigen soll. Entfernen Sie das Häkchen bei einer Zeitzone, überspringt Horalux diese Zone.</translation>
    </message>
    <message>
        <source>Check to enable this time zone, uncheck to disable it.</source>
        <translation>Ankreuzen, um diese Zeitzone einzuschalten; Häkchen entfernen, um sie auszuschalten.</translation>
    </message>
    <message>
        <source>Custom Time Zones. Please type in the name of your own time zone</source>
        <translation>Eigene Zeitzonen. Bitte geben Sie den Namen Ihrer Zeitzone ein</translation>
    </message>
    <message>
        <source>Name of custom time zone %1</source>
        <translation>Name der eigenen Zeitzone %1</translation>
    </message>
    <message>
        <source>Enter any name you wish in here, this can be your town/city, country or even your name</source>
        <translation>Geben Sie hier einen beliebigen Namen ein, z. B. Ihren Ort, Ihr Land oder sogar Ihren eigenen Namen</translation>
    </message>
    <message>
        <source>GMT offset</source>
        <extracomment>A label of fixed width before a small box: keep it short.</extracomment>
        <translation>GMT ±</translation>
    </message>
    <message>
        <source>GMT offset of custom time zone %1</source>
        <translation>Abweichung von GMT der eigenen Zeitzone %1</translation>
    </message>
    <message>
        <source>Reset</source>
        <extracomment>A button of fixed width that clears a custom time zone: keep it short.</extracomment>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Click here to delete this custom time zone</source>
        <translation>Klicken Sie hier, um diese eigene Zeitzone zu löschen</translation>
    </message>
    <message>
        <source>Reset custom time zone %1</source>
        <translation>Eigene Zeitzone %1 löschen</translation>
    </message>
    <message>
        <source>Enter the name of the time zone in here</source>
        <translation>Namen der Zeitzone hier eingeben</translation>
    </message>
    <message>
        <source>No place of this name is known: shown at %1, as typed.</source>
        <extracomment>Under a custom zone&apos;s name box; %1 is the offset the clock uses, such as &quot;GMT+5:30&quot;. Keep it short.</extracomment>
        <translation>Kein Ort dieses Namens bekannt: gezeigt mit %1, wie eingegeben.</translation>
    </message>
</context>
<context>
    <name>UpdateChecker</name>
    <message>
        <source>Horalux is about to check with Veltrane to see whether there is an update available. If you are using a FireWall, then you may be asked to grant permission to Horalux to access the Internet. Please select YES and allow the rule, if you don`t do this, then Horalux won`t be able to update itself!</source>
        <translation>Horalux fragt jetzt bei Veltrane nach, ob eine Aktualisierung verfügbar ist. Wenn Sie eine Firewall verwenden, werden Sie eventuell gefragt, ob Horalux auf das Internet zugreifen darf. Bitte wählen Sie JA und erlauben Sie die Regel – andernfalls kann sich Horalux nicht selbst aktualisieren!</translation>
    </message>
    <message>
        <source>Internet access beginning.</source>
        <translation>Der Internetzugriff beginnt.</translation>
    </message>
    <message>
        <source>NewVersion</source>
        <extracomment>The title of the box that offers a newer version.</extracomment>
        <translation>Neue Version</translation>
    </message>
</context>
<context>
    <name>UpdateInstall</name>
    <message>
        <source>The downloaded update is not signed by the makers of Horalux, so it has been deleted and was not run. Your clock has not been changed.</source>
        <translation>Die heruntergeladene Aktualisierung ist nicht von den Herstellern von Horalux signiert. Sie wurde daher gelöscht und nicht ausgeführt. Ihre Uhr wurde nicht verändert.</translation>
    </message>
    <message>
        <source>This copy of Horalux does not update itself: new versions come from where it was installed, such as your package manager.<byte value="xd"/>
<byte value="xd"/>
Do you want to open the Horalux home page to see what is new?</source>
        <translation>Diese Kopie von Horalux aktualisiert sich nicht selbst: Neue Versionen erhalten Sie aus der Quelle, aus der Horalux installiert wurde, etwa aus Ihrer Paketverwaltung.<byte value="xd"/>
<byte value="xd"/>
Möchten Sie die Horalux-Homepage öffnen, um zu sehen, was es Neues gibt?</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>Aktualisierungen</translation>
    </message>
    <message>
        <source>I Can`t download right now, please try again in a couple of minutes!</source>
        <translation>Ich kann gerade nicht herunterladen. Bitte versuchen Sie es in ein paar Minuten erneut!</translation>
    </message>
    <message>
        <source>Sorry, I`m busy</source>
        <translation>Leider gerade beschäftigt</translation>
    </message>
    <message>
        <source>Download failed.</source>
        <translation>Der Download ist fehlgeschlagen.</translation>
    </message>
    <message>
        <source>Download Failed</source>
        <translation>Download fehlgeschlagen</translation>
    </message>
    <message>
        <source>Update Not Trusted</source>
        <translation>Aktualisierung nicht vertrauenswürdig</translation>
    </message>
    <message>
        <source>Download successful! I will now run the update file.</source>
        <translation>Download erfolgreich! Ich führe jetzt die Aktualisierungsdatei aus.</translation>
    </message>
    <message>
        <source>Download Successful!</source>
        <translation>Download erfolgreich!</translation>
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
        <translation>Eine neue Version von Horalux ist verfügbar.<byte value="xd"/>
Sie haben Version %1, die neue Versionsnummer<byte value="xd"/>
lautet %2. Soll ich sie jetzt für Sie herunterladen?<byte value="xd"/>
<byte value="xd"/>
WARNUNG: Falls Ihre Uhr nach dieser Aktualisierung nicht mehr funktioniert,<byte value="xd"/>
besuchen Sie bitte %3 und laden Sie dort<byte value="xd"/>
die neueste VOLLVERSION (keine Aktualisierung) herunter.</translation>
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
        <translation>Eine neue Version von Horalux ist verfügbar.<byte value="xd"/>
Sie haben Version %1, die neue Versionsnummer<byte value="xd"/>
lautet %2.<byte value="xd"/>
<byte value="xd"/>
Diese Kopie von Horalux aktualisiert sich nicht selbst: Neue Versionen erhalten Sie aus der<byte value="xd"/>
Quelle, aus der Horalux installiert wurde, etwa aus Ihrer Paketverwaltung. Möchten Sie<byte value="xd"/>
die Horalux-Homepage öffnen, um zu sehen, was es Neues gibt?</translation>
    </message>
</context>
<context>
    <name>WebLaunch</name>
    <message>
        <source>Do you want to connect to the Horalux home page on the Internet? You may be able to find help there?</source>
        <translation>Möchten Sie die Horalux-Homepage im Internet aufrufen? Dort finden Sie vielleicht Hilfe.</translation>
    </message>
    <message>
        <source>Do you want more help?</source>
        <translation>Möchten Sie weitere Hilfe?</translation>
    </message>
    <message>
        <source>Could not find associated browser!</source>
        <translation>Es wurde kein zugeordneter Webbrowser gefunden!</translation>
    </message>
    <message>
        <source>BROWSER NOT FOUND</source>
        <translation>BROWSER NICHT GEFUNDEN</translation>
    </message>
    <message>
        <source>Web Page not Opened</source>
        <translation>Webseite nicht geöffnet</translation>
    </message>
    <message>
        <source>URL FAILED</source>
        <translation>URL-FEHLER</translation>
    </message>
</context>
<context>
    <name>Zones</name>
    <message>
        <source>United Kingdom</source>
        <translation>Vereinigtes Königreich</translation>
    </message>
    <message>
        <source>Pacific Time, USA</source>
        <translation>Pazifikzeit, USA</translation>
    </message>
    <message>
        <source>Mountain Time, USA</source>
        <translation>Rocky-Mountain-Zeit, USA</translation>
    </message>
    <message>
        <source>Central Time, USA</source>
        <translation>Zentralzeit, USA</translation>
    </message>
    <message>
        <source>Central Time (US and Canada)</source>
        <translation>Zentralzeit (USA und Kanada)</translation>
    </message>
    <message>
        <source>Eastern Time, USA</source>
        <translation>Ostküstenzeit, USA</translation>
    </message>
    <message>
        <source>Eastern Time (US and Canada)</source>
        <translation>Ostküstenzeit (USA und Kanada)</translation>
    </message>
    <message>
        <source>Brasilia + Greenland</source>
        <translation>Brasília + Grönland</translation>
    </message>
    <message>
        <source>Brazil</source>
        <translation>Brasilien</translation>
    </message>
    <message>
        <source>Amsterdam + Berlin</source>
        <translation>Amsterdam + Berlin</translation>
    </message>
    <message>
        <source>Belgium + France</source>
        <translation>Belgien + Frankreich</translation>
    </message>
    <message>
        <source>Jerusalem</source>
        <translation>Jerusalem</translation>
    </message>
    <message>
        <source>Kuwait + Riyadh</source>
        <translation>Kuwait + Riad</translation>
    </message>
    <message>
        <source>Kuwait + Riyahd</source>
        <translation>Kuwait + Riad</translation>
    </message>
    <message>
        <source>Moscow + Volgograd</source>
        <translation>Moskau + Wolgograd</translation>
    </message>
    <message>
        <source>Moscow, Volgograd</source>
        <translation>Moskau, Wolgograd</translation>
    </message>
    <message>
        <source>Abu Dhabi + Muscat</source>
        <translation>Abu Dhabi + Maskat</translation>
    </message>
    <message>
        <source>Abu Dhabi, Muscat</source>
        <translation>Abu Dhabi, Maskat</translation>
    </message>
    <message>
        <source>Islamabad + Tashkent</source>
        <translation>Islamabad + Taschkent</translation>
    </message>
    <message>
        <source>Bangkok + Hanoi</source>
        <translation>Bangkok + Hanoi</translation>
    </message>
    <message>
        <source>Beijing + Hong Kong</source>
        <translation>Peking + Hongkong</translation>
    </message>
    <message>
        <source>Perth, Australia</source>
        <translation>Perth, Australien</translation>
    </message>
    <message>
        <source>Seoul, South Korea</source>
        <translation>Seoul, Südkorea</translation>
    </message>
    <message>
        <source>Brisbane, Australia</source>
        <translation>Brisbane, Australien</translation>
    </message>
    <message>
        <source>Vladivostok, Russia</source>
        <translation>Wladiwostok, Russland</translation>
    </message>
    <message>
        <source>Vladivostok + Russia</source>
        <translation>Wladiwostok, Russland</translation>
    </message>
    <message>
        <source>Wellington, New Zealand</source>
        <translation>Wellington, Neuseeland</translation>
    </message>
    <message>
        <source>Finland</source>
        <translation>Finnland</translation>
    </message>
    <message>
        <source>Germany + Gibraltar</source>
        <translation>Deutschland + Gibraltar</translation>
    </message>
    <message>
        <source>Spain + Sweden</source>
        <translation>Spanien + Schweden</translation>
    </message>
    <message>
        <source>Turkey</source>
        <translation>Türkei</translation>
    </message>
</context>
</TS>
