<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>AboutTab</name>
    <message>
        <source>This is version %1</source>
        <translation>To jest wersja %1</translation>
    </message>
    <message>
        <source>About Horalux</source>
        <translation>O programie Horalux</translation>
    </message>
    <message>
        <source>Horalux logo</source>
        <translation>Logo programu Horalux</translation>
    </message>
    <message>
        <source>Click here for Instructions and Help</source>
        <translation>Kliknij tutaj: Instrukcja i pomoc</translation>
    </message>
    <message>
        <source>Click here for instructions and help</source>
        <translation>Kliknij tutaj, aby wyświetlić instrukcję i pomoc</translation>
    </message>
    <message>
        <source>Updates</source>
        <extracomment>The title of the group about updating the program.</extracomment>
        <translation>Aktualizacje</translation>
    </message>
    <message>
        <source>Updates to Horalux are free of charge and you can update the clock as often as you like. If you download an update and find that the clock isn`t working, then go to the Horalux home page and download the latest full version.</source>
        <translation>Aktualizacje programu Horalux są bezpłatne i możesz aktualizować zegar tak często, jak chcesz. Jeśli po pobraniu aktualizacji zegar nie działa, przejdź na stronę domową programu Horalux i pobierz najnowszą pełną wersję.</translation>
    </message>
    <message>
        <source>Click here to update your copy of Horalux now</source>
        <translation>Kliknij tutaj, aby teraz zaktualizować program Horalux</translation>
    </message>
    <message>
        <source>Click here to update your copy of Horalux</source>
        <translation>Kliknij tutaj, aby zaktualizować swoją kopię programu Horalux</translation>
    </message>
</context>
<context>
    <name>ClockMenu</name>
    <message>
        <source>-= Settings =-</source>
        <translation>-= Ustawienia =-</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Ustawienia</translation>
    </message>
    <message>
        <source>Show Time Zone</source>
        <translation>Pokaż strefę czasową</translation>
    </message>
    <message>
        <source>Freeze current time zone</source>
        <translation>Zablokuj bieżącą strefę czasową</translation>
    </message>
    <message>
        <source>About Horalux</source>
        <translation>O programie Horalux</translation>
    </message>
    <message>
        <source>Instructions and Help</source>
        <translation>Instrukcja i pomoc</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Zakończ</translation>
    </message>
</context>
<context>
    <name>ClockWindow</name>
    <message>
        <source>Next time zone</source>
        <translation>Następna strefa czasowa</translation>
    </message>
    <message>
        <source>Right click for options</source>
        <translation>Kliknij prawym przyciskiem myszy, aby wyświetlić opcje</translation>
    </message>
    <message>
        <source>Waiting for data</source>
        <translation>Oczekiwanie na dane</translation>
    </message>
    <message>
        <source>Local time: 12:12:12</source>
        <translation>Czas lokalny: 12:12:12</translation>
    </message>
    <message>
        <source>Click here to move on to the next time zone</source>
        <translation>Kliknij tutaj, aby przejść do następnej strefy czasowej</translation>
    </message>
    <message>
        <source>Sorry, you can`t exit during an update. Please wait!</source>
        <translation>Niestety nie można zakończyć programu podczas aktualizacji. Proszę czekać!</translation>
    </message>
    <message>
        <source>Please wait!</source>
        <translation>Proszę czekać!</translation>
    </message>
</context>
<context>
    <name>DownloadDialog</name>
    <message>
        <source>Download File</source>
        <translation>Pobieranie pliku</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Error Downloading File</source>
        <translation>Błąd pobierania pliku</translation>
    </message>
    <message>
        <source>Getting file information...</source>
        <extracomment>The progress line under the bar, which has room for two or three short lines.</extracomment>
        <translation>Pobieranie informacji o pliku...</translation>
    </message>
    <message>
        <source>Saving:<byte value="xd"/><byte value="xd"/>%1 from %2</source>
        <extracomment>The line above the bar. %1 is the file&apos;s name, %2 the web folder it comes from.</extracomment>
        <translation>Zapisywanie:<byte value="xd"/><byte value="xd"/>%1 z %2</translation>
    </message>
    <message>
        <source>Download completed!</source>
        <translation>Pobieranie zakończone!</translation>
    </message>
    <message>
        <source>Download failed!</source>
        <translation>Pobieranie nie powiodło się!</translation>
    </message>
    <message>
        <source>Authorization failed!</source>
        <translation>Autoryzacja nie powiodła się!</translation>
    </message>
    <message>
        <source>Unauthorized</source>
        <translation>Brak autoryzacji</translation>
    </message>
    <message>
        <source>The file, %1 was not found!</source>
        <extracomment>%1 is the address of the file.</extracomment>
        <translation>Nie znaleziono pliku %1!</translation>
    </message>
    <message>
        <source>File Not Found</source>
        <translation>Nie znaleziono pliku</translation>
    </message>
    <message>
        <source>Cannot establish connection.<byte value="xd"/><byte value="xd"/>Check your Internet connection and try again.</source>
        <translation>Nie można nawiązać połączenia.<byte value="xd"/><byte value="xd"/>Sprawdź połączenie z Internetem i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>Cannot Establish Connection</source>
        <translation>Nie można nawiązać połączenia</translation>
    </message>
    <message>
        <source>The server returned the following response:<byte value="xd"/><byte value="xd"/>%1</source>
        <extracomment>%1 is the server&apos;s status line (e.g. &quot;HTTP/1.1 500 Internal Server Error&quot;) and a line break, or nothing.</extracomment>
        <translation>Serwer zwrócił następującą odpowiedź:<byte value="xd"/><byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>Download Error</source>
        <translation>Błąd pobierania</translation>
    </message>
    <message>
        <source>Cannot write file to disk!</source>
        <translation>Nie można zapisać pliku na dysku!</translation>
    </message>
</context>
<context>
    <name>DownloadProgress</name>
    <message numerus="yes">
        <source>%n bytes</source>
        <extracomment>A size under 1000 bytes; %n is the count.</extracomment>
        <translation>
            <numerusform>%n bajt</numerusform>
            <numerusform>%n bajty</numerusform>
            <numerusform>%n bajtów</numerusform>
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
        <translation>%1 s</translation>
    </message>
    <message>
        <source>%1 min %2 sec</source>
        <extracomment>Minutes and seconds left, abbreviated; keep it short.</extracomment>
        <translation>%1 min %2 s</translation>
    </message>
    <message>
        <source>%1 hr %2 min</source>
        <extracomment>Hours and minutes left, abbreviated; keep it short.</extracomment>
        <translation>%1 h %2 min</translation>
    </message>
    <message>
        <source>Transfer Rate: %1 KB/Sec</source>
        <extracomment>The progress label has a fixed width: keep it short. %1 is the rate in kilobytes a second.</extracomment>
        <translation>Szybkość transferu: %1 KB/s</translation>
    </message>
    <message>
        <source>Estimated Time Left: unknown (%1 copied)</source>
        <extracomment>The progress label has a fixed width: keep it short. %1 is the amount received so far.</extracomment>
        <translation>Pozostały czas: nieznany (skopiowano %1)</translation>
    </message>
    <message>
        <source>Estimated Time Left: %1 (%2 of %3 copied)</source>
        <extracomment>The progress label has a fixed width: keep it short. %1 is the time left, %2 the amount received, %3 the file&apos;s size.</extracomment>
        <translation>Pozostały czas: %1 (skopiowano %2 z %3)</translation>
    </message>
    <message>
        <source>%1% of %2 Completed</source>
        <extracomment>The download window&apos;s title. %1 is the percentage done, %2 the file&apos;s name.</extracomment>
        <translation>Pobrano %1% pliku %2</translation>
    </message>
</context>
<context>
    <name>QtProcesses</name>
    <message>
        <source>Horalux is already running: the running clock was brought to the front.</source>
        <translation>Horalux już działa: uruchomiony zegar został przeniesiony na wierzch.</translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source>You must select AT LEAST one of the time zones to be displayed. United Kingdom has now been turned on.</source>
        <translation>Musisz wybrać CO NAJMNIEJ jedną strefę czasową do wyświetlania. Włączono teraz strefę „Wielka Brytania”.</translation>
    </message>
    <message>
        <source>Error!</source>
        <extracomment>The title of a message box about a choice the user must make.</extracomment>
        <translation>Błąd!</translation>
    </message>
    <message>
        <source>Your settings could not all be saved. The clock uses them now, but they will be lost when it ends.

%1

Make room on the disk or make the folder writable, then press Apply again.</source>
        <extracomment>%1 is one line per setting that could not be stored, with the reason.</extracomment>
        <translation>Nie udało się zapisać wszystkich ustawień. Zegar już ich używa, ale zostaną utracone po jego zamknięciu.

%1

Zwolnij miejsce na dysku lub nadaj uprawnienia do zapisu w folderze, a następnie ponownie naciśnij „Zastosuj”.</translation>
    </message>
    <message>
        <source>Settings not saved</source>
        <translation>Nie zapisano ustawień</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <extracomment>A button of fixed width: keep it short.</extracomment>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Click here to save changes and exit</source>
        <translation>Kliknij tutaj, aby zapisać zmiany i zamknąć okno</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <extracomment>A button of fixed width: keep it short.</extracomment>
        <translation>&amp;Anuluj</translation>
    </message>
    <message>
        <source>Click here to exit without saving changes</source>
        <translation>Kliknij tutaj, aby zamknąć okno bez zapisywania zmian</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <extracomment>A button of fixed width: keep it short.</extracomment>
        <translation>&amp;Zastosuj</translation>
    </message>
    <message>
        <source>Click here to save changes</source>
        <translation>Kliknij tutaj, aby zapisać zmiany</translation>
    </message>
    <message>
        <source>Settings</source>
        <comment>window title</comment>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>Time Zones</source>
        <comment>tab</comment>
        <translation>Strefy czasowe</translation>
    </message>
    <message>
        <source>Settings</source>
        <comment>tab</comment>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>About</source>
        <comment>tab</comment>
        <translation>O programie</translation>
    </message>
</context>
<context>
    <name>SettingsTab</name>
    <message>
        <source>Time delay between time zones being shown</source>
        <translation>Odstęp czasu między wyświetlanymi strefami czasowymi</translation>
    </message>
    <message>
        <source>Seconds between time zones</source>
        <translation>Liczba sekund między strefami czasowymi</translation>
    </message>
    <message>
        <source>Click either the up or down arrow to adjust the zone scan frequency</source>
        <translation>Kliknij strzałkę w górę lub w dół, aby zmienić częstotliwość przełączania stref</translation>
    </message>
    <message>
        <source>Change the delay</source>
        <translation>Zmień odstęp</translation>
    </message>
    <message>
        <source>The Up and Down keys add or take away a second</source>
        <translation>Klawisze strzałek w górę i w dół dodają lub odejmują sekundę</translation>
    </message>
    <message>
        <source>Increase delay</source>
        <translation>Zwiększ odstęp</translation>
    </message>
    <message>
        <source>Decrease delay</source>
        <translation>Zmniejsz odstęp</translation>
    </message>
    <message>
        <source>This is the time in seconds between time zone scans</source>
        <translation>Liczba sekund między zmianami strefy czasowej</translation>
    </message>
    <message>
        <source>General</source>
        <extracomment>The title of a group of check boxes.</extracomment>
        <translation>Ogólne</translation>
    </message>
    <message>
        <source>Make Horalux load with windows</source>
        <translation>Uruchamiaj Horalux razem z systemem</translation>
    </message>
    <message>
        <source>Check this box to either enable or disable the clock loading with windows</source>
        <translation>Zaznacz to pole, aby włączyć lub wyłączyć uruchamianie zegara razem z systemem</translation>
    </message>
    <message>
        <source>Make Horalux always on top (of other windows)</source>
        <translation>Utrzymuj Horalux zawsze na wierzchu (nad innymi oknami)</translation>
    </message>
    <message>
        <source>Check this box to make Horalux always on top</source>
        <translation>Zaznacz to pole, aby Horalux był zawsze na wierzchu</translation>
    </message>
    <message>
        <source>Use a 24 hour clock instead of the standard 12 hour clock</source>
        <translation>Używaj zegara 24-godzinnego zamiast 12-godzinnego</translation>
    </message>
    <message>
        <source>Click here to make the clock 24 hour instead of 12 hour (or vice versa)</source>
        <translation>Kliknij tutaj, aby przełączyć zegar z 12-godzinnego na 24-godzinny (lub odwrotnie)</translation>
    </message>
    <message>
        <source>Syncronize the system time using the Internet (more accurate time zones)</source>
        <translation>Synchronizuj czas systemowy przez Internet (dokładniejsze strefy czasowe)</translation>
    </message>
    <message>
        <source>Enable the system time to be syncronised to the Internet time servers</source>
        <translation>Synchronizuj czas systemowy z internetowymi serwerami czasu</translation>
    </message>
    <message>
        <source>Check this box to enable the time to be checked and set by the Internet Time servers</source>
        <translation>Zaznacz to pole, aby czas był sprawdzany i ustawiany przez internetowe serwery czasu</translation>
    </message>
    <message>
        <source>Use graphical effects</source>
        <translation>Efekty graficzne</translation>
    </message>
    <message>
        <source>Use different background graphics to coincide with the time of zone</source>
        <translation>Zmieniaj grafikę tła zależnie od pory dnia w danej strefie</translation>
    </message>
    <message>
        <source>Check this box to enable different background graphics</source>
        <translation>Zaznacz to pole, aby włączyć zmienną grafikę tła</translation>
    </message>
    <message>
        <source>DST Settings</source>
        <translation>Ustawienia czasu letniego</translation>
    </message>
    <message>
        <source>Automatically adjust the time for countries that support DST. E.g. in the UK, between April and October, the clocks go forward by 1 hour. This is called Daylight Saving Time. Unless you specifically want to see the time in an accurate scientific manner, then leave this option checked.</source>
        <translation>Automatycznie dostosowuj czas w krajach, w których obowiązuje czas letni. Np. w Wielkiej Brytanii od kwietnia do października zegary są przestawione o 1 godzinę do przodu. Nazywa się to czasem letnim. Pozostaw tę opcję zaznaczoną, chyba że chcesz widzieć czas w ścisłym, naukowym ujęciu.</translation>
    </message>
    <message>
        <source>Check this box to enable automatic adjustments for DST</source>
        <translation>Zaznacz to pole, aby włączyć automatyczną zmianę czasu na letni</translation>
    </message>
    <message>
        <source>Exact time zones</source>
        <translation>Dokładne strefy czasowe</translation>
    </message>
    <message>
        <source>Check this box to show each zone&apos;s exact local time, with its own daylight-saving dates</source>
        <translation>Zaznacz to pole, aby pokazywać dokładny czas lokalny każdej strefy z jej własnymi datami zmiany czasu</translation>
    </message>
    <message>
        <source>Sorry, your Time delay is set to an invalid number. You must choose a number between 5 and 60. I have now set it to 20 for you</source>
        <translation>Niestety odstęp czasu ma nieprawidłową wartość. Musisz wybrać liczbę od 5 do 60. Ustawiono teraz wartość 20.</translation>
    </message>
    <message>
        <source>Error</source>
        <extracomment>The title of a message box about a wrong number.</extracomment>
        <translation>Błąd</translation>
    </message>
    <message>
        <source>On: each zone&apos;s own clock rules (time-zone database)</source>
        <translation>Wł.: własne reguły czasu każdej strefy (baza stref czasowych)</translation>
    </message>
    <message>
        <source>Off: fixed offsets and one shared summer rule</source>
        <translation>Wył.: stałe przesunięcia i jedna wspólna reguła letnia</translation>
    </message>
</context>
<context>
    <name>TimeZonesTab</name>
    <message>
        <source>Enter the time difference between this time zone and GMT. E.g. France would have a difference of +1 and Arizona, USA would have a difference of -7</source>
        <translation>Wpisz różnicę czasu między tą strefą czasową a GMT. Np. dla Francji różnica wynosi +1, a dla Arizony (USA) -7</translation>
    </message>
    <message>
        <source>From the list below, check which time zones you wish to see shown with Horalux. If you remove the check from a time zone, then that zone will be skipped by Horalux.</source>
        <translation>Zaznacz na poniższej liście strefy czasowe, które ma wyświetlać Horalux. Jeśli usuniesz zaznaczenie strefy czasowej, Horalux będzie ją pomijać.</translation>
    </message>
    <message>
        <source>Check to enable this time zone, uncheck to disable it.</source>
        <translation>Zaznacz, aby włączyć tę strefę czasową; usuń zaznaczenie, aby ją wyłączyć.</translation>
    </message>
    <message>
        <source>Custom Time Zones. Please type in the name of your own time zone</source>
        <translation>Własne strefy czasowe. Wpisz nazwę własnej strefy czasowej</translation>
    </message>
    <message>
        <source>Name of custom time zone %1</source>
        <translation>Nazwa własnej strefy czasowej %1</translation>
    </message>
    <message>
        <source>Enter any name you wish in here, this can be your town/city, country or even your name</source>
        <translation>Wpisz tutaj dowolną nazwę, np. swojego miasta, kraju, a nawet swoje imię</translation>
    </message>
    <message>
        <source>GMT offset</source>
        <extracomment>A label of fixed width before a small box: keep it short.</extracomment>
        <translation>GMT ±</translation>
    </message>
    <message>
        <source>GMT offset of custom time zone %1</source>
        <translation>Różnica względem GMT własnej strefy czasowej %1</translation>
    </message>
    <message>
        <source>Reset</source>
        <extracomment>A button of fixed width that clears a custom time zone: keep it short.</extracomment>
        <translation>Wyczyść</translation>
    </message>
    <message>
        <source>Click here to delete this custom time zone</source>
        <translation>Kliknij tutaj, aby usunąć tę własną strefę czasową</translation>
    </message>
    <message>
        <source>Reset custom time zone %1</source>
        <translation>Wyczyść własną strefę czasową %1</translation>
    </message>
    <message>
        <source>Enter the name of the time zone in here</source>
        <translation>Wpisz tutaj nazwę strefy czasowej</translation>
    </message>
    <message>
        <source>No place of this name is known: shown at %1, as typed.</source>
        <extracomment>Under a custom zone&apos;s name box; %1 is the offset the clock uses, such as &quot;GMT+5:30&quot;. Keep it short.</extracomment>
        <translation>Nie znam miejsca o tej nazwie: pokazano w %1, jak wpisano.</translation>
    </message>
</context>
<context>
    <name>UpdateChecker</name>
    <message>
        <source>Horalux is about to check with Veltrane to see whether there is an update available. If you are using a FireWall, then you may be asked to grant permission to Horalux to access the Internet. Please select YES and allow the rule, if you don`t do this, then Horalux won`t be able to update itself!</source>
        <translation>Horalux sprawdzi teraz na serwerze firmy Veltrane, czy jest dostępna aktualizacja. Jeśli używasz zapory sieciowej, może pojawić się prośba o zezwolenie programowi Horalux na dostęp do Internetu. Wybierz TAK i zezwól na tę regułę – w przeciwnym razie Horalux nie będzie mógł się zaktualizować!</translation>
    </message>
    <message>
        <source>Internet access beginning.</source>
        <translation>Łączenie z Internetem.</translation>
    </message>
    <message>
        <source>NewVersion</source>
        <extracomment>The title of the box that offers a newer version.</extracomment>
        <translation>Nowa wersja</translation>
    </message>
</context>
<context>
    <name>UpdateInstall</name>
    <message>
        <source>The downloaded update is not signed by the makers of Horalux, so it has been deleted and was not run. Your clock has not been changed.</source>
        <translation>Pobrana aktualizacja nie jest podpisana przez twórców programu Horalux, dlatego została usunięta bez uruchamiania. Zegar nie został zmieniony.</translation>
    </message>
    <message>
        <source>This copy of Horalux does not update itself: new versions come from where it was installed, such as your package manager.<byte value="xd"/>
<byte value="xd"/>
Do you want to open the Horalux home page to see what is new?</source>
        <translation>Ta kopia programu Horalux nie aktualizuje się sama: nowe wersje pochodzą ze źródła, z którego została zainstalowana, np. z menedżera pakietów.<byte value="xd"/>
<byte value="xd"/>
Czy chcesz otworzyć stronę domową programu Horalux, aby zobaczyć, co nowego?</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>Aktualizacje</translation>
    </message>
    <message>
        <source>I Can`t download right now, please try again in a couple of minutes!</source>
        <translation>Nie mogę teraz pobrać pliku. Spróbuj ponownie za kilka minut!</translation>
    </message>
    <message>
        <source>Sorry, I`m busy</source>
        <translation>Niestety, jestem zajęty</translation>
    </message>
    <message>
        <source>Download failed.</source>
        <translation>Pobieranie nie powiodło się.</translation>
    </message>
    <message>
        <source>Download Failed</source>
        <translation>Pobieranie nie powiodło się</translation>
    </message>
    <message>
        <source>Update Not Trusted</source>
        <translation>Niezaufana aktualizacja</translation>
    </message>
    <message>
        <source>Download successful! I will now run the update file.</source>
        <translation>Pobieranie zakończone pomyślnie! Teraz uruchomię plik aktualizacji.</translation>
    </message>
    <message>
        <source>Download Successful!</source>
        <translation>Pobieranie zakończone pomyślnie!</translation>
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
        <translation>Dostępna jest nowa wersja programu Horalux.<byte value="xd"/>
Masz wersję %1, a nowa wersja ma numer %2.<byte value="xd"/>
Czy mam ją teraz pobrać?<byte value="xd"/>
<byte value="xd"/>
UWAGA: jeśli po tej aktualizacji zegar przestanie działać,<byte value="xd"/>
wejdź na stronę %3 i pobierz stamtąd<byte value="xd"/>
najnowszą PEŁNĄ WERSJĘ (nie aktualizację)</translation>
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
        <translation>Dostępna jest nowa wersja programu Horalux.<byte value="xd"/>
Masz wersję %1, a nowa wersja ma numer %2.<byte value="xd"/>
<byte value="xd"/>
Ta kopia programu Horalux nie aktualizuje się sama:<byte value="xd"/>
nowe wersje pochodzą ze źródła, z którego została zainstalowana,<byte value="xd"/>
np. z menedżera pakietów. Czy chcesz otworzyć stronę domową<byte value="xd"/>
programu Horalux, aby zobaczyć, co nowego?</translation>
    </message>
</context>
<context>
    <name>WebLaunch</name>
    <message>
        <source>Do you want to connect to the Horalux home page on the Internet? You may be able to find help there?</source>
        <translation>Czy chcesz połączyć się ze stroną domową programu Horalux w Internecie? Być może znajdziesz tam pomoc.</translation>
    </message>
    <message>
        <source>Do you want more help?</source>
        <translation>Czy potrzebujesz więcej pomocy?</translation>
    </message>
    <message>
        <source>Could not find associated browser!</source>
        <translation>Nie można znaleźć skojarzonej przeglądarki!</translation>
    </message>
    <message>
        <source>BROWSER NOT FOUND</source>
        <translation>NIE ZNALEZIONO PRZEGLĄDARKI</translation>
    </message>
    <message>
        <source>Web Page not Opened</source>
        <translation>Nie otwarto strony internetowej</translation>
    </message>
    <message>
        <source>URL FAILED</source>
        <translation>BŁĄD ADRESU URL</translation>
    </message>
</context>
<context>
    <name>Zones</name>
    <message>
        <source>United Kingdom</source>
        <translation>Wielka Brytania</translation>
    </message>
    <message>
        <source>Pacific Time, USA</source>
        <translation>Czas pacyficzny, USA</translation>
    </message>
    <message>
        <source>Mountain Time, USA</source>
        <translation>Czas górski, USA</translation>
    </message>
    <message>
        <source>Central Time, USA</source>
        <translation>Czas centralny, USA</translation>
    </message>
    <message>
        <source>Central Time (US and Canada)</source>
        <translation>Czas centralny (USA i Kanada)</translation>
    </message>
    <message>
        <source>Eastern Time, USA</source>
        <translation>Czas wschodni, USA</translation>
    </message>
    <message>
        <source>Eastern Time (US and Canada)</source>
        <translation>Czas wschodni (USA i Kanada)</translation>
    </message>
    <message>
        <source>Brasilia + Greenland</source>
        <translation>Brasília + Grenlandia</translation>
    </message>
    <message>
        <source>Brazil</source>
        <translation>Brazylia</translation>
    </message>
    <message>
        <source>Amsterdam + Berlin</source>
        <translation>Amsterdam + Berlin</translation>
    </message>
    <message>
        <source>Belgium + France</source>
        <translation>Belgia + Francja</translation>
    </message>
    <message>
        <source>Jerusalem</source>
        <translation>Jerozolima</translation>
    </message>
    <message>
        <source>Kuwait + Riyadh</source>
        <translation>Kuwejt + Rijad</translation>
    </message>
    <message>
        <source>Kuwait + Riyahd</source>
        <translation>Kuwejt + Rijad</translation>
    </message>
    <message>
        <source>Moscow + Volgograd</source>
        <translation>Moskwa + Wołgograd</translation>
    </message>
    <message>
        <source>Moscow, Volgograd</source>
        <translation>Moskwa, Wołgograd</translation>
    </message>
    <message>
        <source>Abu Dhabi + Muscat</source>
        <translation>Abu Zabi + Maskat</translation>
    </message>
    <message>
        <source>Abu Dhabi, Muscat</source>
        <translation>Abu Zabi, Maskat</translation>
    </message>
    <message>
        <source>Islamabad + Tashkent</source>
        <translation>Islamabad + Taszkent</translation>
    </message>
    <message>
        <source>Bangkok + Hanoi</source>
        <translation>Bangkok + Hanoi</translation>
    </message>
    <message>
        <source>Beijing + Hong Kong</source>
        <translation>Pekin + Hongkong</translation>
    </message>
    <message>
        <source>Perth, Australia</source>
        <translation>Perth, Australia</translation>
    </message>
    <message>
        <source>Seoul, South Korea</source>
        <translation>Seul, Korea Południowa</translation>
    </message>
    <message>
        <source>Brisbane, Australia</source>
        <translation>Brisbane, Australia</translation>
    </message>
    <message>
        <source>Vladivostok, Russia</source>
        <translation>Władywostok, Rosja</translation>
    </message>
    <message>
        <source>Vladivostok + Russia</source>
        <translation>Władywostok, Rosja</translation>
    </message>
    <message>
        <source>Wellington, New Zealand</source>
        <translation>Wellington, Nowa Zelandia</translation>
    </message>
    <message>
        <source>Finland</source>
        <translation>Finlandia</translation>
    </message>
    <message>
        <source>Germany + Gibraltar</source>
        <translation>Niemcy + Gibraltar</translation>
    </message>
    <message>
        <source>Spain + Sweden</source>
        <translation>Hiszpania + Szwecja</translation>
    </message>
    <message>
        <source>Turkey</source>
        <translation>Turcja</translation>
    </message>
</context>
</TS>
