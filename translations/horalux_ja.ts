<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>AboutTab</name>
    <message>
        <source>This is version %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Horalux</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Horalux logo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click here for Instructions and Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click here for instructions and help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Updates</source>
        <extracomment>The title of the group about updating the program.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Updates to Horalux are free of charge and you can update the clock as often as you like. If you download an update and find that the clock isn`t working, then go to the Horalux home page and download the latest full version.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click here to update your copy of Horalux now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click here to update your copy of Horalux</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ClockMenu</name>
    <message>
        <source>-= Settings =-</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Time Zone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Freeze current time zone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Horalux</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Instructions and Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ClockWindow</name>
    <message>
        <source>Next time zone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right click for options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waiting for data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Local time: 12:12:12</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click here to move on to the next time zone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sorry, you can`t exit during an update. Please wait!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please wait!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DownloadDialog</name>
    <message>
        <source>Download File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error Downloading File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Getting file information...</source>
        <extracomment>The progress line under the bar, which has room for two or three short lines.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saving:<byte value="xd"/><byte value="xd"/>%1 from %2</source>
        <extracomment>The line above the bar. %1 is the file&apos;s name, %2 the web folder it comes from.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download completed!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download failed!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Authorization failed!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unauthorized</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file, %1 was not found!</source>
        <extracomment>%1 is the address of the file.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Not Found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot establish connection.<byte value="xd"/><byte value="xd"/>Check your Internet connection and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot Establish Connection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server returned the following response:<byte value="xd"/><byte value="xd"/>%1</source>
        <extracomment>%1 is the server&apos;s status line (e.g. &quot;HTTP/1.1 500 Internal Server Error&quot;) and a line break, or nothing.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write file to disk!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DownloadProgress</name>
    <message numerus="yes">
        <source>%n bytes</source>
        <extracomment>A size under 1000 bytes; %n is the count.</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>%1 KB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 GB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 sec</source>
        <extracomment>Seconds left, abbreviated; keep it short.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 min %2 sec</source>
        <extracomment>Minutes and seconds left, abbreviated; keep it short.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 hr %2 min</source>
        <extracomment>Hours and minutes left, abbreviated; keep it short.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transfer Rate: %1 KB/Sec</source>
        <extracomment>The progress label has a fixed width: keep it short. %1 is the rate in kilobytes a second.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Estimated Time Left: unknown (%1 copied)</source>
        <extracomment>The progress label has a fixed width: keep it short. %1 is the amount received so far.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Estimated Time Left: %1 (%2 of %3 copied)</source>
        <extracomment>The progress label has a fixed width: keep it short. %1 is the time left, %2 the amount received, %3 the file&apos;s size.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1% of %2 Completed</source>
        <extracomment>The download window&apos;s title. %1 is the percentage done, %2 the file&apos;s name.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source>You must select AT LEAST one of the time zones to be displayed. United Kingdom has now been turned on.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error!</source>
        <extracomment>The title of a message box about a choice the user must make.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your settings could not all be saved. The clock uses them now, but they will be lost when it ends.

%1

Make room on the disk or make the folder writable, then press Apply again.</source>
        <extracomment>%1 is one line per setting that could not be stored, with the reason.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings not saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <extracomment>A button of fixed width: keep it short.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click here to save changes and exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <extracomment>A button of fixed width: keep it short.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click here to exit without saving changes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <extracomment>A button of fixed width: keep it short.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click here to save changes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings</source>
        <comment>window title</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time Zones</source>
        <comment>tab</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings</source>
        <comment>tab</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <comment>tab</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SettingsTab</name>
    <message>
        <source>Time delay between time zones being shown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seconds between time zones</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click either the up or down arrow to adjust the zone scan frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change the delay</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Up and Down keys add or take away a second</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Increase delay</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Decrease delay</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This is the time in seconds between time zone scans</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>General</source>
        <extracomment>The title of a group of check boxes.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make Horalux load with windows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check this box to either enable or disable the clock loading with windows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make Horalux always on top (of other windows)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check this box to make Horalux always on top</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use a 24 hour clock instead of the standard 12 hour clock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click here to make the clock 24 hour instead of 12 hour (or vice versa)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Syncronize the system time using the Internet (more accurate time zones)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enable the system time to be syncronised to the Internet time servers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check this box to enable the time to be checked and set by the Internet Time servers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use graphical effects</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use different background graphics to coincide with the time of zone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check this box to enable different background graphics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DST Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Automatically adjust the time for countries that support DST. E.g. in the UK, between April and October, the clocks go forward by 1 hour. This is called Daylight Saving Time. Unless you specifically want to see the time in an accurate scientific manner, then leave this option checked.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check this box to enable automatic adjustments for DST</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exact time zones</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use each zone&apos;s own clock rules (time-zone database)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check this box to show each zone&apos;s exact local time, with its own daylight-saving dates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sorry, your Time delay is set to an invalid number. You must choose a number between 5 and 60. I have now set it to 20 for you</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <extracomment>The title of a message box about a wrong number.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TimeZonesTab</name>
    <message>
        <source>Enter the time difference between this time zone and GMT. E.g. France would have a difference of +1 and Arizona, USA would have a difference of -7</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From the list below, check which time zones you wish to see shown with Horalux. If you remove the check from a time zone, then that zone will be skipped by Horalux.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check to enable this time zone, uncheck to disable it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Custom Time Zones. Please type in the name of your own time zone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name of custom time zone %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter any name you wish in here, this can be your town/city, country or even your name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GMT offset</source>
        <extracomment>A label of fixed width before a small box: keep it short.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GMT offset of custom time zone %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset</source>
        <extracomment>A button of fixed width that clears a custom time zone: keep it short.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click here to delete this custom time zone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset custom time zone %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter the name of the time zone in here</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UpdateChecker</name>
    <message>
        <source>Horalux is about to check with Veltrane to see whether there is an update available. If you are using a FireWall, then you may be asked to grant permission to Horalux to access the Internet. Please select YES and allow the rule, if you don`t do this, then Horalux won`t be able to update itself!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Internet access beginning.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NewVersion</source>
        <extracomment>The title of the box that offers a newer version.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UpdateInstall</name>
    <message>
        <source>The downloaded update is not signed by the makers of Horalux, so it has been deleted and was not run. Your clock has not been changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This copy of Horalux does not update itself: new versions come from where it was installed, such as your package manager.<byte value="xd"/>
<byte value="xd"/>
Do you want to open the Horalux home page to see what is new?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Updates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I Can`t download right now, please try again in a couple of minutes!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sorry, I`m busy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download failed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download Failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update Not Trusted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download successful! I will now run the update file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download Successful!</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WebLaunch</name>
    <message>
        <source>Do you want to connect to the Horalux home page on the Internet? You may be able to find help there?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want more help?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not find associated browser!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BROWSER NOT FOUND</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Web Page not Opened</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>URL FAILED</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Zones</name>
    <message>
        <source>United Kingdom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pacific Time, USA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mountain Time, USA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Central Time, USA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Central Time (US and Canada)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eastern Time, USA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eastern Time (US and Canada)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brasilia + Greenland</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brazil</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amsterdam + Berlin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Belgium + France</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jerusalem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kuwait + Riyadh</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kuwait + Riyahd</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moscow + Volgograd</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moscow, Volgograd</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abu Dhabi + Muscat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abu Dhabi, Muscat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Islamabad + Tashkent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bangkok + Hanoi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beijing + Hong Kong</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Perth, Australia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seoul, South Korea</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brisbane, Australia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vladivostok, Russia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vladivostok + Russia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wellington, New Zealand</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finland</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Germany + Gibraltar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spain + Sweden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turkey</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
