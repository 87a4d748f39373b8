<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AboutTab</name>
    <message>
        <source>This is version %1</source>
        <translation>Esta es la versión %1</translation>
    </message>
    <message>
        <source>About Horalux</source>
        <translation>Acerca de Horalux</translation>
    </message>
    <message>
        <source>Horalux logo</source>
        <translation>Logotipo de Horalux</translation>
    </message>
    <message>
        <source>Click here for Instructions and Help</source>
        <translation>Haga clic para ver instrucciones y ayuda</translation>
    </message>
    <message>
        <source>Click here for instructions and help</source>
        <translation>Haga clic aquí para ver las instrucciones y la ayuda</translation>
    </message>
    <message>
        <source>Updates</source>
        <extracomment>The title of the group about updating the program.</extracomment>
        <translation>Actualizaciones</translation>
    </message>
    <message>
        <source>Updates to Horalux are free of charge and you can update the clock as often as you like. If you download an update and find that the clock isn`t working, then go to the Horalux home page and download the latest full version.</source>
        <translation>Las actualizaciones de Horalux son gratuitas y puede actualizar el reloj tantas veces como quiera. Si descarga una actualización y el reloj deja de funcionar, vaya a la página principal de Horalux y descargue la última versión completa.</translation>
    </message>
    <message>
        <source>Click here to update your copy of Horalux now</source>
        <translation>Haga clic aquí para actualizar Horalux ahora</translation>
    </message>
    <message>
        <source>Click here to update your copy of Horalux</source>
        <translation>Haga clic aquí para actualizar su copia de Horalux</translation>
    </message>
</context>
<context>
    <name>ClockMenu</name>
    <message>
        <source>-= Settings =-</source>
        <translation>-= Configuración =-</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Configuración</translation>
    </message>
    <message>
        <source>Show Time Zone</source>
        <translation>Mostrar zona horaria</translation>
    </message>
    <message>
        <source>Freeze current time zone</source>
        <translation>Fijar la zona horaria actual</translation>
    </message>
    <message>
        <source>About Horalux</source>
        <translation>Acerca de Horalux</translation>
    </message>
    <message>
        <source>Instructions and Help</source>
        <translation>Instrucciones y ayuda</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Salir</translation>
    </message>
</context>
<context>
    <name>ClockWindow</name>
    <message>
        <source>Next time zone</source>
        <translation>Siguiente zona horaria</translation>
    </message>
    <message>
        <source>Right click for options</source>
        <translation>Clic derecho para ver las opciones</translation>
    </message>
    <message>
        <source>Waiting for data</source>
        <translation>Esperando datos</translation>
    </message>
    <message>
        <source>Local time: 12:12:12</source>
        <translation>Hora local: 12:12:12</translation>
    </message>
    <message>
        <source>Click here to move on to the next time zone</source>
        <translation>Haga clic aquí para pasar a la siguiente zona horaria</translation>
    </message>
    <message>
        <source>Sorry, you can`t exit during an update. Please wait!</source>
        <translation>Lo sentimos, no puede salir durante una actualización. ¡Espere, por favor!</translation>
    </message>
    <message>
        <source>Please wait!</source>
        <translation>¡Espere, por favor!</translation>
    </message>
</context>
<context>
    <name>DownloadDialog</name>
    <message>
        <source>Download File</source>
        <translation>Descargar archivo</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Error Downloading File</source>
        <translation>Error al descargar el archivo</translation>
    </message>
    <message>
        <source>Getting file information...</source>
        <extracomment>The progress line under the bar, which has room for two or three short lines.</extracomment>
        <translation>Obteniendo información del archivo…</translation>
    </message>
    <message>
        <source>Saving:<byte value="xd"/><byte value="xd"/>%1 from %2</source>
        <extracomment>The line above the bar. %1 is the file&apos;s name, %2 the web folder it comes from.</extracomment>
        <translation>Guardando:<byte value="xd"/><byte value="xd"/>%1 desde %2</translation>
    </message>
    <message>
        <source>Download completed!</source>
        <translation>¡Descarga completada!</translation>
    </message>
    <message>
        <source>Download failed!</source>
        <translation>¡La descarga ha fallado!</translation>
    </message>
    <message>
        <source>Authorization failed!</source>
        <translation>¡Error de autorización!</translation>
    </message>
    <message>
        <source>Unauthorized</source>
        <translation>No autorizado</translation>
    </message>
    <message>
        <source>The file, %1 was not found!</source>
        <extracomment>%1 is the address of the file.</extracomment>
        <translation>¡No se encontró el archivo %1!</translation>
    </message>
    <message>
        <source>File Not Found</source>
        <translation>Archivo no encontrado</translation>
    </message>
    <message>
        <source>Cannot establish connection.<byte value="xd"/><byte value="xd"/>Check your Internet connection and try again.</source>
        <translation>No se puede establecer la conexión.<byte value="xd"/><byte value="xd"/>Compruebe su conexión a Internet e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Cannot Establish Connection</source>
        <translation>No se puede establecer la conexión</translation>
    </message>
    <message>
        <source>The server returned the following response:<byte value="xd"/><byte value="xd"/>%1</source>
        <extracomment>%1 is the server&apos;s status line (e.g. &quot;HTTP/1.1 500 Internal Server Error&quot;) and a line break, or nothing.</extracomment>
        <translation>El servidor devolvió la siguiente respuesta:<byte value="xd"/><byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>Download Error</source>
        <translation>Error de descarga</translation>
    </message>
    <message>
        <source>Cannot write file to disk!</source>
        <translation>¡No se puede escribir el archivo en el disco!</translation>
    </message>
</context>
<context>
    <name>DownloadProgress</name>
    <message numerus="yes">
        <source>%n bytes</source>
        <extracomment>A size under 1000 bytes; %n is the count.</extracomment>
        <translation>
            <numerusform>%n byte</numerusform>
            <numerusform>%n bytes</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 KB</source>
        <translation>%1&#xa0;KB</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1&#xa0;MB</translation>
    </message>
    <message>
        <source>%1 GB</source>
        <translation>%1&#xa0;GB</translation>
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
        <translation>Velocidad: %1&#xa0;KB/s</translation>
    </message>
    <message>
        <source>Estimated Time Left: unknown (%1 copied)</source>
        <extracomment>The progress label has a fixed width: keep it short. %1 is the amount received so far.</extracomment>
        <translation>Tiempo restante: desconocido (%1 copiados)</translation>
    </message>
    <message>
        <source>Estimated Time Left: %1 (%2 of %3 copied)</source>
        <extracomment>The progress label has a fixed width: keep it short. %1 is the time left, %2 the amount received, %3 the file&apos;s size.</extracomment>
        <translation>Tiempo restante: %1 (%2 de %3 copiados)</translation>
    </message>
    <message>
        <source>%1% of %2 Completed</source>
        <extracomment>The download window&apos;s title. %1 is the percentage done, %2 the file&apos;s name.</extracomment>
        <translation>%1&#xa0;% de %2 completado</translation>
    </message>
</context>
<context>
    <name>QtProcesses</name>
    <message>
        <source>Horalux is already running: the running clock was brought to the front.</source>
        <translation>Horalux ya se está ejecutando: el reloj en marcha se ha traído al frente.</translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source>You must select AT LEAST one of the time zones to be displayed. United Kingdom has now been turned on.</source>
        <translation>Debe seleccionar AL MENOS una zona horaria para mostrar. Se ha activado Reino Unido.</translation>
    </message>
    <message>
        <source>Error!</source>
        <extracomment>The title of a message box about a choice the user must make.</extracomment>
        <translation>¡Error!</translation>
    </message>
    <message>
        <source>Your settings could not all be saved. The clock uses them now, but they will be lost when it ends.

%1

Make room on the disk or make the folder writable, then press Apply again.</source>
        <extracomment>%1 is one line per setting that could not be stored, with the reason.</extracomment>
        <translation>No se pudo guardar toda la configuración. El reloj ya la está usando, pero se perderá al cerrarlo.

%1

Libere espacio en el disco o permita la escritura en la carpeta y, a continuación, vuelva a pulsar Aplicar.</translation>
    </message>
    <message>
        <source>Settings not saved</source>
        <translation>Configuración no guardada</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <extracomment>A button of fixed width: keep it short.</extracomment>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>Click here to save changes and exit</source>
        <translation>Haga clic aquí para guardar los cambios y salir</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <extracomment>A button of fixed width: keep it short.</extracomment>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Click here to exit without saving changes</source>
        <translation>Haga clic aquí para salir sin guardar los cambios</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <extracomment>A button of fixed width: keep it short.</extracomment>
        <translation>A&amp;plicar</translation>
    </message>
    <message>
        <source>Click here to save changes</source>
        <translation>Haga clic aquí para guardar los cambios</translation>
    </message>
    <message>
        <source>Settings</source>
        <comment>window title</comment>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Time Zones</source>
        <comment>tab</comment>
        <translation>Zonas horarias</translation>
    </message>
    <message>
        <source>Settings</source>
        <comment>tab</comment>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>About</source>
        <comment>tab</comment>
        <translation>Acerca de</translation>
    </message>
</context>
<context>
    <name>SettingsTab</name>
    <message>
        <source>Time delay between time zones being shown</source>
        <translation>Intervalo entre las zonas horarias mostradas</translation>
    </message>
    <message>
        <source>Seconds between time zones</source>
        <translation>Segundos entre zonas horarias</translation>
    </message>
    <message>
        <source>Click either the up or down arrow to adjust the zone scan frequency</source>
        <translation>Haga clic en la flecha arriba o abajo para ajustar la frecuencia de cambio de zona</translation>
    </message>
    <message>
        <source>Change the delay</source>
        <translation>Cambiar el intervalo</translation>
    </message>
    <message>
        <source>The Up and Down keys add or take away a second</source>
        <translation>Las teclas Arriba y Abajo suman o restan un segundo</translation>
    </message>
    <message>
        <source>Increase delay</source>
        <translation>Aumentar el intervalo</translation>
    </message>
    <message>
        <source>Decrease delay</source>
        <translation>Reducir el intervalo</translation>
    </message>
    <message>
        <source>This is the time in seconds between time zone scans</source>
        <translation>Tiempo en segundos entre zonas horarias</translation>
    </message>
    <message>
        <source>General</source>
        <extracomment>The title of a group of check boxes.</extracomment>
        <translation>General</translation>
    </message>
    <message>
        <source>Make Horalux load with windows</source>
        <translation>Iniciar Horalux con el escritorio</translation>
    </message>
    <message>
        <source>Check this box to either enable or disable the clock loading with windows</source>
        <translation>Marque esta casilla para activar o desactivar el inicio del reloj con el escritorio</translation>
    </message>
    <message>
        <source>Make Horalux always on top (of other windows)</source>
        <translation>Mantener Horalux siempre encima (de las demás ventanas)</translation>
    </message>
    <message>
        <source>Check this box to make Horalux always on top</source>
        <translation>Marque esta casilla para mantener Horalux siempre encima</translation>
    </message>
    <message>
        <source>Use a 24 hour clock instead of the standard 12 hour clock</source>
        <translation>Usar el formato de 24 horas en lugar del habitual de 12 horas</translation>
    </message>
    <message>
        <source>Click here to make the clock 24 hour instead of 12 hour (or vice versa)</source>
        <translation>Haga clic aquí para usar el formato de 24 horas en lugar del de 12 horas (o viceversa)</translation>
    </message>
    <message>
        <source>Syncronize the system time using the Internet (more accurate time zones)</source>
        <translation>Sincronizar la hora del sistema por Internet (zonas horarias más precisas)</translation>
    </message>
    <message>
        <source>Enable the system time to be syncronised to the Internet time servers</source>
        <translation>Sincronizar la hora del sistema con los servidores de hora de Internet</translation>
    </message>
    <message>
        <source>Check this box to enable the time to be checked and set by the Internet Time servers</source>
        <translation>Marque esta casilla para que los servidores de hora de Internet comprueben y ajusten la hora</translation>
    </message>
    <message>
        <source>Use graphical effects</source>
        <translation>Usar efectos gráficos</translation>
    </message>
    <message>
        <source>Use different background graphics to coincide with the time of zone</source>
        <translation>Usar fondos distintos según la hora de la zona</translation>
    </message>
    <message>
        <source>Check this box to enable different background graphics</source>
        <translation>Marque esta casilla para activar distintas imágenes de fondo</translation>
    </message>
    <message>
        <source>DST Settings</source>
        <translation>Configuración del horario de verano</translation>
    </message>
    <message>
        <source>Automatically adjust the time for countries that support DST. E.g. in the UK, between April and October, the clocks go forward by 1 hour. This is called Daylight Saving Time. Unless you specifically want to see the time in an accurate scientific manner, then leave this option checked.</source>
        <translation>Ajustar automáticamente la hora en los países que aplican el horario de verano. Por ejemplo, en el Reino Unido, entre abril y octubre, los relojes se adelantan 1 hora. Esto se llama horario de verano. Salvo que quiera ver la hora con exactitud científica, deje esta opción marcada.</translation>
    </message>
    <message>
        <source>Check this box to enable automatic adjustments for DST</source>
        <translation>Marque esta casilla para activar el ajuste automático del horario de verano</translation>
    </message>
    <message>
        <source>Exact time zones</source>
        <translation>Zonas horarias exactas</translation>
    </message>
    <message>
        <source>Check this box to show each zone&apos;s exact local time, with its own daylight-saving dates</source>
        <translation>Marque esta casilla para mostrar la hora local exacta de cada zona, con sus propias fechas de horario de verano</translation>
    </message>
    <message>
        <source>Sorry, your Time delay is set to an invalid number. You must choose a number between 5 and 60. I have now set it to 20 for you</source>
        <translation>Lo sentimos, el intervalo tiene un valor no válido. Debe elegir un número entre 5 y 60. Lo he ajustado a 20 por usted.</translation>
    </message>
    <message>
        <source>Error</source>
        <extracomment>The title of a message box about a wrong number.</extracomment>
        <translation>Error</translation>
    </message>
    <message>
        <source>On: each zone&apos;s own clock rules (time-zone database)</source>
        <translation>Sí: las reglas horarias de cada zona (base de zonas horarias)</translation>
    </message>
    <message>
        <source>Off: fixed offsets and one shared summer rule</source>
        <translation>No: desfases fijos y una sola regla de verano común</translation>
    </message>
</context>
<context>
    <name>TimeZonesTab</name>
    <message>
        <source>Enter the time difference between this time zone and GMT. E.g. France would have a difference of +1 and Arizona, USA would have a difference of -7</source>
        <translation>Introduzca la diferencia horaria entre esta zona y GMT. Por ejemplo, Francia tendría una diferencia de +1 y Arizona (EE.&#xa0;UU.), una diferencia de -7</translation>
    </message>
    <message>
        <source>From the list below, check which time zones you wish to see shown with Horalux. If you remove the check from a time zone, then that zone will be skipped by Horalux.</source>
        <translation>En la lista siguiente, marque las zonas horarias que quiere que muestre Horalux. Si desmarca una zona horaria, Horalux la omitirá.</translation>
    </message>
    <message>
        <source>Check to enable this time zone, uncheck to disable it.</source>
        <translation>Márquela para activar esta zona horaria y desmárquela para desactivarla.</translation>
    </message>
    <message>
        <source>Custom Time Zones. Please type in the name of your own time zone</source>
        <translation>Zonas horarias personalizadas. Escriba el nombre de su propia zona horaria</translation>
    </message>
    <message>
        <source>Name of custom time zone %1</source>
        <translation>Nombre de la zona horaria personalizada %1</translation>
    </message>
    <message>
        <source>Enter any name you wish in here, this can be your town/city, country or even your name</source>
        <translation>Escriba aquí el nombre que quiera: su ciudad, su país o incluso su nombre</translation>
    </message>
    <message>
        <source>GMT offset</source>
        <extracomment>A label of fixed width before a small box: keep it short.</extracomment>
        <translation>Dif. GMT</translation>
    </message>
    <message>
        <source>GMT offset of custom time zone %1</source>
        <translation>Diferencia con GMT de la zona horaria personalizada %1</translation>
    </message>
    <message>
        <source>Reset</source>
        <extracomment>A button of fixed width that clears a custom time zone: keep it short.</extracomment>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Click here to delete this custom time zone</source>
        <translation>Haga clic aquí para eliminar esta zona horaria personalizada</translation>
    </message>
    <message>
        <source>Reset custom time zone %1</source>
        <translation>Borrar la zona horaria personalizada %1</translation>
    </message>
    <message>
        <source>Enter the name of the time zone in here</source>
        <translation>Escriba aquí el nombre de la zona horaria</translation>
    </message>
    <message>
        <source>No place of this name is known: shown at %1, as typed.</source>
        <extracomment>Under a custom zone&apos;s name box; %1 is the offset the clock uses, such as &quot;GMT+5:30&quot;. Keep it short.</extracomment>
        <translation>No se conoce ningún lugar con este nombre: se muestra a %1, como se escribió.</translation>
    </message>
</context>
<context>
    <name>UpdateChecker</name>
    <message>
        <source>Horalux is about to check with Veltrane to see whether there is an update available. If you are using a FireWall, then you may be asked to grant permission to Horalux to access the Internet. Please select YES and allow the rule, if you don`t do this, then Horalux won`t be able to update itself!</source>
        <translation>Horalux va a consultar a Veltrane si hay alguna actualización disponible. Si usa un cortafuegos, es posible que se le pida que permita a Horalux acceder a Internet. Seleccione SÍ y permita la regla; si no lo hace, ¡Horalux no podrá actualizarse!</translation>
    </message>
    <message>
        <source>Internet access beginning.</source>
        <translation>Iniciando el acceso a Internet.</translation>
    </message>
    <message>
        <source>NewVersion</source>
        <extracomment>The title of the box that offers a newer version.</extracomment>
        <translation>Nueva versión</translation>
    </message>
</context>
<context>
    <name>UpdateInstall</name>
    <message>
        <source>The downloaded update is not signed by the makers of Horalux, so it has been deleted and was not run. Your clock has not been changed.</source>
        <translation>La actualización descargada no está firmada por los creadores de Horalux, por lo que se ha eliminado sin ejecutarla. Su reloj no ha cambiado.</translation>
    </message>
    <message>
        <source>This copy of Horalux does not update itself: new versions come from where it was installed, such as your package manager.<byte value="xd"/>
<byte value="xd"/>
Do you want to open the Horalux home page to see what is new?</source>
        <translation>Esta copia de Horalux no se actualiza sola: las nuevas versiones llegan desde donde se instaló, por ejemplo, su gestor de paquetes.<byte value="xd"/>
<byte value="xd"/>
¿Desea abrir la página principal de Horalux para ver las novedades?</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>Actualizaciones</translation>
    </message>
    <message>
        <source>I Can`t download right now, please try again in a couple of minutes!</source>
        <translation>No puedo descargar en este momento. ¡Vuelva a intentarlo dentro de un par de minutos!</translation>
    </message>
    <message>
        <source>Sorry, I`m busy</source>
        <translation>Lo siento, estoy ocupado</translation>
    </message>
    <message>
        <source>Download failed.</source>
        <translation>La descarga ha fallado.</translation>
    </message>
    <message>
        <source>Download Failed</source>
        <translation>Error en la descarga</translation>
    </message>
    <message>
        <source>Update Not Trusted</source>
        <translation>Actualización no fiable</translation>
    </message>
    <message>
        <source>Download successful! I will now run the update file.</source>
        <translation>¡Descarga correcta! Ahora ejecutaré el archivo de actualización.</translation>
    </message>
    <message>
        <source>Download Successful!</source>
        <translation>¡Descarga correcta!</translation>
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
        <translation>Hay una nueva versión de Horalux disponible.<byte value="xd"/>
Tiene la versión %1 y el número de la nueva versión<byte value="xd"/>
es %2. ¿Quiere que la descargue ahora por usted?<byte value="xd"/>
<byte value="xd"/>
ADVERTENCIA: si esta actualización impide que su reloj funcione,<byte value="xd"/>
vaya a %3 y descargue desde allí<byte value="xd"/>
la última VERSIÓN COMPLETA (no la actualización)</translation>
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
        <translation>Hay una nueva versión de Horalux disponible.<byte value="xd"/>
Tiene la versión %1 y el número de la nueva versión<byte value="xd"/>
es %2.<byte value="xd"/>
<byte value="xd"/>
Esta copia de Horalux no se actualiza sola: las nuevas versiones llegan desde<byte value="xd"/>
donde se instaló, por ejemplo, su gestor de paquetes. ¿Desea abrir la<byte value="xd"/>
página principal de Horalux para ver las novedades?</translation>
    </message>
</context>
<context>
    <name>WebLaunch</name>
    <message>
        <source>Do you want to connect to the Horalux home page on the Internet? You may be able to find help there?</source>
        <translation>¿Desea conectarse a la página principal de Horalux en Internet? Puede que encuentre ayuda allí.</translation>
    </message>
    <message>
        <source>Do you want more help?</source>
        <translation>¿Desea más ayuda?</translation>
    </message>
    <message>
        <source>Could not find associated browser!</source>
        <translation>¡No se encontró el navegador asociado!</translation>
    </message>
    <message>
        <source>BROWSER NOT FOUND</source>
        <translation>NAVEGADOR NO ENCONTRADO</translation>
    </message>
    <message>
        <source>Web Page not Opened</source>
        <translation>Página web no abierta</translation>
    </message>
    <message>
        <source>URL FAILED</source>
        <translation>ERROR DE URL</translation>
    </message>
</context>
<context>
    <name>Zones</name>
    <message>
        <source>United Kingdom</source>
        <translation>Reino Unido</translation>
    </message>
    <message>
        <source>Pacific Time, USA</source>
        <translation>Hora del Pacífico, EE.&#xa0;UU.</translation>
    </message>
    <message>
        <source>Mountain Time, USA</source>
        <translation>Hora de montaña, EE.&#xa0;UU.</translation>
    </message>
    <message>
        <source>Central Time, USA</source>
        <translation>Hora central, EE.&#xa0;UU.</translation>
    </message>
    <message>
        <source>Central Time (US and Canada)</source>
        <translation>Hora central (EE.&#xa0;UU. y Canadá)</translation>
    </message>
    <message>
        <source>Eastern Time, USA</source>
        <translation>Hora del este, EE.&#xa0;UU.</translation>
    </message>
    <message>
        <source>Eastern Time (US and Canada)</source>
        <translation>Hora del este (EE.&#xa0;UU. y Canadá)</translation>
    </message>
    <message>
        <source>Brasilia + Greenland</source>
        <translation>Brasilia + Groenlandia</translation>
    </message>
    <message>
        <source>Brazil</source>
        <translation>Brasil</translation>
    </message>
    <message>
        <source>Amsterdam + Berlin</source>
        <translation>Ámsterdam + Berlín</translation>
    </message>
    <message>
        <source>Belgium + France</source>
        <translation>Bélgica + Francia</translation>
    </message>
    <message>
        <source>Jerusalem</source>
        <translation>Jerusalén</translation>
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
        <translation>Moscú + Volgogrado</translation>
    </message>
    <message>
        <source>Moscow, Volgograd</source>
        <translation>Moscú, Volgogrado</translation>
    </message>
    <message>
        <source>Abu Dhabi + Muscat</source>
        <translation>Abu Dabi + Mascate</translation>
    </message>
    <message>
        <source>Abu Dhabi, Muscat</source>
        <translation>Abu Dabi, Mascate</translation>
    </message>
    <message>
        <source>Islamabad + Tashkent</source>
        <translation>Islamabad + Taskent</translation>
    </message>
    <message>
        <source>Bangkok + Hanoi</source>
        <translation>Bangkok + Hanói</translation>
    </message>
    <message>
        <source>Beijing + Hong Kong</source>
        <translation>Pekín + Hong Kong</translation>
    </message>
    <message>
        <source>Perth, Australia</source>
        <translation>Perth, Australia</translation>
    </message>
    <message>
        <source>Seoul, South Korea</source>
        <translation>Seúl, Corea del Sur</translation>
    </message>
    <message>
        <source>Brisbane, Australia</source>
        <translation>Brisbane, Australia</translation>
    </message>
    <message>
        <source>Vladivostok, Russia</source>
        <translation>Vladivostok, Rusia</translation>
    </message>
    <message>
        <source>Vladivostok + Russia</source>
        <translation>Vladivostok, Rusia</translation>
    </message>
    <message>
        <source>Wellington, New Zealand</source>
        <translation>Wellington, Nueva Zelanda</translation>
    </message>
    <message>
        <source>Finland</source>
        <translation>Finlandia</translation>
    </message>
    <message>
        <source>Germany + Gibraltar</source>
        <translation>Alemania + Gibraltar</translation>
    </message>
    <message>
        <source>Spain + Sweden</source>
        <translation>España + Suecia</translation>
    </message>
    <message>
        <source>Turkey</source>
        <translation>Turquía</translation>
    </message>
</context>
</TS>
