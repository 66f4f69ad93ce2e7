<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>korbit</name>
    <message>
        <source>Passwords must be 6 or more characters!</source>
        <translation>¡Las contraseñas deben tener 6 caracteres o más!</translation>
    </message>
    <message>
        <source>Passwords must be 26 or fewer characters!</source>
        <translation>¡Las contraseñas deben tener 26 caracteres o menos!</translation>
    </message>
    <message>
        <source>This password holds characters beyond U+00FF. Only the lowest 8 bits of each character enter the key, so each such character counts the same as 255 others: &quot;фффффф&quot; and &quot;DDDDDD&quot; are the same password.</source>
        <translation>Esta contraseña contiene caracteres más allá de U+00FF. Solo los 8 bits más bajos de cada carácter entran en la clave, así que cada uno de esos caracteres cuenta igual que otros 255: «фффффф» y «DDDDDD» son la misma contraseña.</translation>
    </message>
    <message>
        <source>less than a second</source>
        <translation>menos de un segundo</translation>
    </message>
    <message numerus="yes">
        <source>about %n seconds</source>
        <translation>
            <numerusform>unos %n segundo</numerusform>
            <numerusform>unos %n segundos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n minutes</source>
        <translation>
            <numerusform>unos %n minuto</numerusform>
            <numerusform>unos %n minutos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n hours</source>
        <translation>
            <numerusform>unas %n hora</numerusform>
            <numerusform>unas %n horas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n days</source>
        <translation>
            <numerusform>unos %n día</numerusform>
            <numerusform>unos %n días</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n years</source>
        <translation>
            <numerusform>unos %n año</numerusform>
            <numerusform>unos %n años</numerusform>
        </translation>
    </message>
    <message>
        <source>Weak: one graphics card could guess it in %1.</source>
        <translation>Débil: una tarjeta gráfica tardaría %1 en adivinarla.</translation>
    </message>
    <message>
        <source>Password: </source>
        <translation>Contraseña: </translation>
    </message>
    <message>
        <source>no password given</source>
        <translation>no se indicó ninguna contraseña</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>aviso: %1</translation>
    </message>
    <message>
        <source>Password again: </source>
        <translation>Repita la contraseña: </translation>
    </message>
    <message>
        <source>the passwords do not match</source>
        <translation>las contraseñas no coinciden</translation>
    </message>
    <message>
        <source>no password after %1 tries; nothing was changed</source>
        <translation>ninguna contraseña tras %1 intentos; no se cambió nada</translation>
    </message>
    <message>
        <source>no password given: %1 holds no line</source>
        <translation>no se indicó ninguna contraseña: %1 no contiene ninguna línea</translation>
    </message>
    <message>
        <source>Try &apos;korbit --help&apos;.</source>
        <translation>Consulte &apos;korbit --help&apos;.</translation>
    </message>
    <message>
        <source>--answer needs a value: ok, yes, no or cancel</source>
        <translation>--answer necesita un valor: ok, yes, no o cancel</translation>
    </message>
    <message>
        <source>--password-file needs the name of a file</source>
        <translation>--password-file necesita el nombre de un archivo</translation>
    </message>
    <message>
        <source>--password-fd needs the number of an open file descriptor</source>
        <translation>--password-fd necesita el número de un descriptor de archivo abierto</translation>
    </message>
    <message>
        <source>%1 needs a file to write, or - for standard output</source>
        <translation>%1 necesita un archivo en el que escribir, o - para la salida estándar</translation>
    </message>
    <message>
        <source>give one of --password-stdin, --password-file and --password-fd</source>
        <translation>indique solo una de las opciones --password-stdin, --password-file y --password-fd</translation>
    </message>
    <message>
        <source>--password-fd takes the number of an open file descriptor, not &apos;%1&apos;</source>
        <translation>--password-fd espera el número de un descriptor de archivo abierto, no &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--answer takes ok, yes, no or cancel, not &apos;%1&apos;</source>
        <translation>--answer espera ok, yes, no o cancel, no &apos;%1&apos;</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>opción desconocida &apos;%1&apos;</translation>
    </message>
    <message>
        <source>%1 needs at least one FILE</source>
        <translation>%1 necesita al menos un archivo (FILE)</translation>
    </message>
    <message>
        <source>- (standard input) takes one FILE</source>
        <translation>- (entrada estándar) solo admite un archivo (FILE)</translation>
    </message>
    <message>
        <source>-o takes one FILE</source>
        <translation>-o solo admite un archivo (FILE)</translation>
    </message>
    <message>
        <source>--force goes with -o OUT</source>
        <translation>--force solo se usa junto con -o OUT</translation>
    </message>
    <message>
        <source>standard input carries the data: give --password-file FILE or --password-fd N, or type the password at the terminal</source>
        <translation>la entrada estándar lleva los datos: indique --password-file FILE o --password-fd N, o escriba la contraseña en el terminal</translation>
    </message>
    <message>
        <source>a container is no text for the terminal: give -o FILE or redirect standard output</source>
        <translation>un archivo cifrado no es texto para el terminal: indique -o FILE o redirija la salida estándar</translation>
    </message>
    <message>
        <source>%1: encrypted already; use &apos;korbit decrypt&apos;</source>
        <translation>%1: ya está cifrado; use &apos;korbit decrypt&apos;</translation>
    </message>
    <message>
        <source>%1: not encrypted; use &apos;korbit encrypt&apos;</source>
        <translation>%1: no está cifrado; use &apos;korbit encrypt&apos;</translation>
    </message>
    <message>
        <source>no password: there is no terminal to ask at; give --password-stdin, --password-file FILE or --password-fd N</source>
        <translation>ninguna contraseña: no hay ningún terminal donde pedirla; indique --password-stdin, --password-file FILE o --password-fd N</translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>entrada estándar</translation>
    </message>
    <message>
        <source>file descriptor %1</source>
        <translation>descriptor de archivo %1</translation>
    </message>
    <message>
        <source>%1: encrypted</source>
        <translation>%1: cifrado</translation>
    </message>
    <message>
        <source>%1: decrypted</source>
        <translation>%1: descifrado</translation>
    </message>
    <message>
        <source>%1: cancelled; the file is as it was</source>
        <translation>%1: cancelado; el archivo está como estaba</translation>
    </message>
    <message>
        <source>%1: not encrypted</source>
        <translation>%1: no se cifró</translation>
    </message>
    <message>
        <source>%1: not decrypted</source>
        <translation>%1: no se descifró</translation>
    </message>
    <message>
        <source>--dates needs a value: iso or days</source>
        <translation>--dates necesita un valor: iso o days</translation>
    </message>
    <message>
        <source>--secret-fd needs the number of an open file descriptor</source>
        <translation>--secret-fd necesita el número de un descriptor de archivo abierto</translation>
    </message>
    <message>
        <source>--dates takes iso or days, not &apos;%1&apos;</source>
        <translation>--dates espera iso o days, no &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--secret-fd takes the number of an open file descriptor, not &apos;%1&apos;</source>
        <translation>--secret-fd espera el número de un descriptor de archivo abierto, no &apos;%1&apos;</translation>
    </message>
    <message>
        <source>script takes one file (or - for standard input)</source>
        <translation>script espera un archivo (o - para la entrada estándar)</translation>
    </message>
    <message>
        <source>standard input carries the script: give the secrets another file descriptor</source>
        <translation>la entrada estándar lleva el script: indique otro descriptor de archivo para los argumentos secretos</translation>
    </message>
    <message>
        <source>cannot read &apos;%1&apos;</source>
        <translation>no se puede leer &apos;%1&apos;</translation>
    </message>
    <message>
        <source>libkorbit.so was not found beside this program or in its installation</source>
        <translation>no se encontró libkorbit.so ni junto a este programa ni en su instalación</translation>
    </message>
    <message>
        <source>help takes one name: a command, a method, an enumeration or a record</source>
        <translation>help espera un nombre: una orden, un método, una enumeración o un registro</translation>
    </message>
    <message>
        <source>no command, method, class, enumeration or record is named &apos;%1&apos;</source>
        <translation>no hay ninguna orden, método, clase, enumeración ni registro llamado &apos;%1&apos;</translation>
    </message>
    <message>
        <source>methods takes only --json</source>
        <translation>methods solo admite --json</translation>
    </message>
    <message>
        <source>%1 takes no arguments</source>
        <translation>%1 no admite argumentos</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>orden desconocida &apos;%1&apos;</translation>
    </message>
    <message>
        <source>%1 left</source>
        <translation>quedan %1</translation>
    </message>
    <message>
        <source>%1 is a folder: only files can be encrypted.</source>
        <translation>%1 es una carpeta: solo se pueden cifrar archivos.</translation>
    </message>
    <message>
        <source>%1 is a folder: only files can be decrypted.</source>
        <translation>%1 es una carpeta: solo se pueden descifrar archivos.</translation>
    </message>
    <message>
        <source>%1: This file is too large to encrypt: 64 GB at most.</source>
        <translation>%1: este archivo es demasiado grande para cifrarlo: 64 GB como máximo.</translation>
    </message>
    <message>
        <source>%1 is a folder: give the name of a file to write.</source>
        <translation>%1 es una carpeta: indique el nombre del archivo que se va a escribir.</translation>
    </message>
    <message>
        <source>%1 exists: give --force to replace it.</source>
        <translation>%1 ya existe: indique --force para reemplazarlo.</translation>
    </message>
    <message>
        <source>standard output</source>
        <translation>salida estándar</translation>
    </message>
    <message>
        <source>%1: encrypted to %2</source>
        <translation>%1: cifrado en %2</translation>
    </message>
    <message>
        <source>%1: decrypted to %2</source>
        <translation>%1: descifrado en %2</translation>
    </message>
    <message>
        <source>%1: cancelled; %2 was not written</source>
        <translation>%1: cancelado; %2 no se escribió</translation>
    </message>
    <message>
        <source>%1: cancelled; standard output is incomplete</source>
        <translation>%1: cancelado; la salida estándar está incompleta</translation>
    </message>
</context>
</TS>
