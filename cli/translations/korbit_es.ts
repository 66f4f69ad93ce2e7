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
<context>
    <name>korbit::help</name>
    <message>
        <source>read the method&apos;s argument NAME as one line from standard input (or from --secret-fd) instead of the command line, where every process list shows it; it is never printed back. The ARGUMENTs fill the other arguments in order. At a terminal it is asked for and not shown as it is typed. May be repeated.</source>
        <translation>lee el argumento NAME del método como una línea de la entrada estándar (o de --secret-fd) en lugar de la línea de órdenes, donde cualquier lista de procesos lo muestra; nunca se vuelve a mostrar. Los ARGUMENT rellenan los demás argumentos en orden. En un terminal se pide y no se muestra al escribirlo. Puede repetirse.</translation>
    </message>
    <message>
        <source>read what --secret reads from the open file descriptor N instead of standard input</source>
        <translation>lee lo que lee --secret del descriptor de archivo abierto N en lugar de la entrada estándar</translation>
    </message>
    <message>
        <source>how the dates of the output are written: iso as ISO 8601 local time without a zone, 2024-02-29T10:15:00, or days (the default) as the number of days since 30 December 1899</source>
        <translation>cómo se escriben las fechas de la salida: iso como hora local ISO 8601 sin zona horaria, 2024-02-29T10:15:00, o days (lo predeterminado) como el número de días desde el 30 de diciembre de 1899</translation>
    </message>
    <message>
        <source>the answer every message box of the control gets. Without it, the person at the terminal is asked, and where there is nobody to ask every box gets the answer that changes nothing.</source>
        <translation>la respuesta que recibe cada cuadro de mensaje del componente. Sin ella, se pregunta a la persona que está en el terminal, y donde no hay nadie a quien preguntar, cada cuadro recibe la respuesta que no cambia nada.</translation>
    </message>
    <message>
        <source>write to OUT (one FILE only) and keep FILE; - writes standard output. OUT is written beside itself and renamed into place when complete: a failure or Ctrl-C leaves no OUT, and a link at OUT is replaced, not followed. An existing OUT is refused unless --force is given.</source>
        <translation>escribe en OUT (un solo FILE) y conserva FILE; el valor - escribe en la salida estándar. OUT se escribe a su lado y se renombra a su lugar cuando está completo: un fallo o Ctrl+C no deja ningún OUT, y un enlace en OUT se sustituye, no se sigue. Un OUT existente se rechaza salvo con --force.</translation>
    </message>
    <message>
        <source>with -o, replace an OUT that exists</source>
        <translation>con -o, sustituye un OUT que ya existe</translation>
    </message>
    <message>
        <source>read the password from the first line of standard input (not with FILE -)</source>
        <translation>lee la contraseña de la primera línea de la entrada estándar (no con FILE -)</translation>
    </message>
    <message>
        <source>read the password from the first line of FILE</source>
        <translation>lee la contraseña de la primera línea de FILE</translation>
    </message>
    <message>
        <source>read the password from the first line of the open file descriptor N</source>
        <translation>lee la contraseña de la primera línea del descriptor de archivo abierto N</translation>
    </message>
    <message>
        <source>encrypt and decrypt files with a password, and call the Korbit control library</source>
        <translation>cifrar y descifrar archivos con una contraseña, y llamar al componente Korbit</translation>
    </message>
    <message>
        <source>korbit is the command-line host of the Korbit control library, the engine of the Corvane desktop program. It encrypts and decrypts files in place, in the same format as Corvane, and calls any of the library&apos;s methods by name, printing the result as JSON. &apos;korbit help METHOD&apos; tells what a method does.</source>
        <translation>korbit es el programa de línea de órdenes del componente Korbit, el motor del programa de escritorio Corvane. Cifra y descifra archivos en su sitio, en el mismo formato que Corvane, y llama a cualquier método del componente por su nombre, mostrando el resultado como JSON. &apos;korbit help METHOD&apos; explica qué hace un método.</translation>
    </message>
    <message>
        <source>encrypt files in place with a password</source>
        <translation>cifrar archivos en su sitio con una contraseña</translation>
    </message>
    <message>
        <source>The password (6 to 26 characters, case sensitive, the same rule as Corvane&apos;s) is asked twice at the terminal, with a warning when it would be guessed soon; a password too short or too long, or two that differ, is asked again, three tries in all. Each file keeps its name, folder, owner, group and extended attributes, and is read-only afterwards. Ctrl-C cancels, and a wrong password or any failure stops the run: the file being worked on stays exactly as it was, permissions included. A file that another program changes during the run is left as that program made it. An interrupted rewrite of a file with several names is completed by the next run on it, which says so. A file that cannot be encrypted (a folder, a device, a kernel interface file, one you may not change) is refused with the reason before the password is asked for.

With -o OUT the container is written to OUT and FILE is kept as it is. FILE - reads standard input and -o - (the default for FILE -) writes standard output; the container of standard input stores the extension &quot;.&quot; and no attributes, and a stream beyond the format&apos;s 64 GiB stops with an error.

  korbit encrypt -o report.pdf.xje report.pdf
  tar c photos | korbit encrypt -o photos.tar.xje -

Exit status: 0 every file done, 1 a file refused or failed, 2 usage error or no password source, 130 Ctrl-C.</source>
        <translation>La contraseña (de 6 a 26 caracteres, distingue mayúsculas y minúsculas, la misma regla que en Corvane) se pide dos veces en el terminal, con un aviso si se adivinaría pronto; una contraseña demasiado corta o demasiado larga, o dos que no coinciden, se vuelven a pedir, tres intentos en total. Cada archivo conserva su nombre, su carpeta, su propietario, su grupo y sus atributos extendidos, y después queda de solo lectura. Ctrl+C cancela, y una contraseña incorrecta o cualquier fallo detiene la operación: el archivo en curso queda exactamente como estaba, permisos incluidos. Un archivo que otro programa modifica durante la operación queda como ese programa lo dejó. La reescritura interrumpida de un archivo con varios nombres la completa la siguiente operación sobre él, que lo indica. Un archivo que no se puede cifrar (una carpeta, un dispositivo, un archivo de interfaz del núcleo, uno que usted no puede modificar) se rechaza con el motivo antes de pedir la contraseña.

Con -o OUT, el archivo cifrado se escribe en OUT y FILE se conserva tal cual. FILE - lee la entrada estándar y -o - (lo predeterminado con FILE -) escribe en la salida estándar; el archivo cifrado de la entrada estándar guarda la extensión &quot;.&quot; y ningún atributo, y un flujo que supera los 64 GiB del formato se detiene con un error.

  korbit encrypt -o report.pdf.xje report.pdf
  tar c photos | korbit encrypt -o photos.tar.xje -

Estado de salida: 0 todos los archivos procesados, 1 un archivo rechazado o fallido, 2 error de uso o ninguna fuente de contraseña, 130 Ctrl+C.</translation>
    </message>
    <message>
        <source>no progress line and no line per finished file</source>
        <translation>sin línea de progreso ni línea por archivo terminado</translation>
    </message>
    <message>
        <source>decrypt files in place</source>
        <translation>descifrar archivos en su sitio</translation>
    </message>
    <message>
        <source>The password (6 characters or more) is asked once; at the terminal a shorter one is asked again, three tries in all. A wrong password is refused before anything is written. Decryption gives back the file&apos;s content and its read-only state: a file that was writable gets write permission back for those who may read it, within the umask. Ctrl-C cancels and leaves the file as it was.

With -o OUT the plain file is written to OUT and the container is kept; FILE - reads standard input and -o - writes standard output.

  korbit decrypt -o - photos.tar.xje | tar x

Exit status: 0 every file done, 1 a wrong password or a file refused or failed, 2 usage error or no password source, 130 Ctrl-C.</source>
        <translation>La contraseña (6 caracteres o más) se pide una vez; en el terminal, una más corta se vuelve a pedir, tres intentos en total. Una contraseña incorrecta se rechaza antes de escribir nada. El descifrado restablece el contenido del archivo y su estado original de solo lectura: un archivo que se podía modificar recupera el permiso de escritura para quienes pueden leerlo, en la medida en que lo permita la umask. Ctrl+C cancela y deja el archivo como estaba.

Con -o OUT, el archivo descifrado se escribe en OUT y el archivo cifrado se conserva; FILE - lee la entrada estándar y -o - escribe en la salida estándar.

  korbit decrypt -o - photos.tar.xje | tar x

Estado de salida: 0 todos los archivos procesados, 1 una contraseña incorrecta o un archivo rechazado o fallido, 2 error de uso o ninguna fuente de contraseña, 130 Ctrl+C.</translation>
    </message>
    <message>
        <source>list every method of the control and of its two classes</source>
        <translation>listar todos los métodos del componente y de sus dos clases</translation>
    </message>
    <message>
        <source>One line per member: its dispatch identifier, its name, its arguments with their types and defaults, and its result, with what it does differently on Linux below it. &apos;korbit help METHOD&apos; tells all about one method.</source>
        <translation>Una línea por miembro: su identificador de despacho, su nombre, sus argumentos con sus tipos y valores predeterminados, y su resultado, con lo que hace de otro modo en Linux debajo. &apos;korbit help METHOD&apos; lo explica todo sobre un método.</translation>
    </message>
    <message>
        <source>print the list as one JSON document instead, with each member&apos;s entry of the method reference (summary, the meaning of each argument, result, failures, what it does on Linux, traps) and every enumeration and record</source>
        <translation>muestra en su lugar la lista como un único documento JSON, con la entrada de cada miembro en la referencia de métodos (resumen, significado de cada argumento, resultado, fallos, qué hace en Linux, trampas) y cada enumeración y cada registro</translation>
    </message>
    <message>
        <source>call one method late-bound and print the outcome as JSON</source>
        <translation>llamar a un método con enlace tardío y mostrar el resultado como JSON</translation>
    </message>
    <message>
        <source>Each ARGUMENT is read as the method declares it. For a String it is the text as it stands (4111111111111111 stays those digits); a JSON string in double quotes gives its text with JSON&apos;s escapes. For a Date, an ISO 8601 date, 2024-02-29 or 2024-02-29T10:15:00, is local time; one with a zone (Z, +01:00) is converted to local time. For an enumeration, a member&apos;s name (Math_Decimal) or its value. Otherwise an ARGUMENT is JSON: a number, a string, true or false, null, an array, or an object for a record; a bare word that is not JSON is taken as text. An argument the method gives back may be left out at the end or given as null: it starts empty and comes back under &quot;byref&quot;.

The output is one JSON object: the result, the by-reference arguments as the method left them (&quot;byref&quot;), the message boxes it showed (&quot;boxes&quot;) and the failures it reported (&quot;failures&quot;, each with the method and a description), or an error with its code and description. A call that reported a failure exits with status 1. Method names are not case sensitive; &apos;korbit help METHOD&apos; tells what a method takes and gives.

  korbit call GetFileExt /home/me/report.txt
  korbit call ConvertHexDecBinary 255 Math_Decimal Math_Hexidecimal
  korbit call --dates iso GetFileTimes /etc/hostname
  korbit call --secret MyPassword EncryptionRoutine2 report.pdf &lt;password.txt
  korbit call --class SHA256 SHA256 abc</source>
        <translation>Cada ARGUMENT se lee como lo declara el método. Para un String es el texto tal cual (4111111111111111 sigue siendo esas cifras); una cadena JSON entre comillas dobles da su texto con los escapes de JSON. Para un Date, una fecha ISO 8601, 2024-02-29 o 2024-02-29T10:15:00, es hora local; una con zona horaria (Z, +01:00) se convierte a hora local. Para una enumeración, el nombre de un miembro (Math_Decimal) o su valor. En otro caso, un ARGUMENT es JSON: un número, una cadena, true o false, null, una matriz o un objeto para un registro; una palabra suelta que no es JSON se toma como texto. Un argumento que el método devuelve puede omitirse al final o darse como null: empieza vacío y vuelve bajo &quot;byref&quot;.

La salida es un único objeto JSON: el resultado, los argumentos por referencia tal como los dejó el método (&quot;byref&quot;), los cuadros de mensaje que mostró (&quot;boxes&quot;) y los fallos que notificó (&quot;failures&quot;, cada uno con el método y una descripción), o bien un error con su código y su descripción. Una llamada que notificó un fallo termina con estado 1. Los nombres de método no distinguen mayúsculas y minúsculas; &apos;korbit help METHOD&apos; explica qué recibe y qué devuelve un método.

  korbit call GetFileExt /home/me/report.txt
  korbit call ConvertHexDecBinary 255 Math_Decimal Math_Hexidecimal
  korbit call --dates iso GetFileTimes /etc/hostname
  korbit call --secret MyPassword EncryptionRoutine2 report.pdf &lt;password.txt
  korbit call --class SHA256 SHA256 abc</translation>
    </message>
    <message>
        <source>the class whose object is called (default: KorbitControl)</source>
        <translation>la clase cuyo objeto se llama (predeterminada: KorbitControl)</translation>
    </message>
    <message>
        <source>set a property of the object before the call; may be repeated</source>
        <translation>establece una propiedad del objeto antes de la llamada; puede repetirse</translation>
    </message>
    <message>
        <source>run one call per line, all on one control</source>
        <translation>ejecutar una llamada por línea, todas en el mismo componente</translation>
    </message>
    <message>
        <source>Each line of FILE (or of standard input) is a call as for &apos;korbit call&apos;, its words quoted as in the shell, the options of the call (--class, --set, --secret) before the method; blank lines and lines starting with # are skipped. One JSON line is printed per call, with the failures its method reported. Since the calls share one object, the state a method keeps carries over to the next line. The exit status is 1 when a call failed or reported a failure, 2 when a line could not be read as a call.

A --secret is read from standard input when the script is a file, and from --secret-fd when standard input carries the script; each reads the next line.</source>
        <translation>Cada línea de FILE (o de la entrada estándar) es una llamada como en &apos;korbit call&apos;, con sus palabras entre comillas como en el shell y las opciones de la llamada (--class, --set, --secret) antes del método; las líneas vacías y las que empiezan por # se omiten. Se muestra una línea JSON por llamada, con los fallos que notificó su método. Como las llamadas comparten un objeto, el estado que guarda un método pasa a la línea siguiente. El estado de salida es 1 cuando una llamada falló o notificó un fallo, y 2 cuando una línea no se pudo leer como llamada.

Un --secret se lee de la entrada estándar cuando el script es un archivo, y de --secret-fd cuando la entrada estándar lleva el script; cada uno lee la línea siguiente.</translation>
    </message>
    <message>
        <source>record the control library in this user&apos;s registry</source>
        <translation>inscribir el componente en el registro de componentes de este usuario</translation>
    </message>
    <message>
        <source>Writes the library beside this program into $XDG_DATA_HOME/korbit/registry.ini, with the interface version it was built for, so that other hosts can create its objects. The installed programs do not need it; a host passes over a registered library of another interface version for the one installed with it, and likewise a registry or a library that someone other than you or root could have put in place, naming the file it refused.</source>
        <translation>Escribe la biblioteca que está junto a este programa en $XDG_DATA_HOME/korbit/registry.ini, con la versión de interfaz para la que se compiló, para que otros programas anfitriones puedan crear sus objetos. Los programas instalados no lo necesitan; un programa anfitrión pasa por alto una biblioteca inscrita de otra versión de interfaz en favor de la instalada con él, y lo mismo hace con un registro de componentes o una biblioteca que alguien distinto de usted o de root pudiera haber colocado, y nombra el archivo que rechazó.</translation>
    </message>
    <message>
        <source>remove that record</source>
        <translation>quitar esa inscripción</translation>
    </message>
    <message>
        <source>show the help of a command, or the reference of a method, enumeration or record</source>
        <translation>mostrar la ayuda de una orden, o la referencia de un método, una enumeración o un registro</translation>
    </message>
    <message>
        <source>For a method of the control or of its two classes: what it does, each argument with its type, passing, default and meaning, whether the method gives it back, its result, its failures, what it does on Linux and what is easily got wrong. For an enumeration its members with their values, for a record its fields with their types. Names are not case sensitive. The whole reference is the manual page korbit-methods(7).

  korbit help GetFileTimes
  korbit help MathTypes</source>
        <translation>Para un método del componente o de sus dos clases: qué hace, cada argumento con su tipo, su forma de paso, su valor predeterminado y su significado, si el método lo devuelve, su resultado, sus fallos, qué hace en Linux y en qué es fácil equivocarse. Para una enumeración, sus miembros con sus valores; para un registro, sus campos con sus tipos. Los nombres no distinguen mayúsculas y minúsculas. La referencia completa es la página de manual korbit-methods(7).

  korbit help GetFileTimes
  korbit help MathTypes</translation>
    </message>
    <message>
        <source>show the help; after a command, that command&apos;s help</source>
        <translation>muestra la ayuda; tras una orden, la ayuda de esa orden</translation>
    </message>
    <message>
        <source>show the version</source>
        <translation>muestra la versión</translation>
    </message>
    <message>
        <source>EXIT STATUS</source>
        <extracomment>A heading, in capitals like every heading of the manual page; --help shows it with only its first letter capital.</extracomment>
        <translation>ESTADO DE SALIDA</translation>
    </message>
    <message>
        <source>0 success, 1 failure (the call or a file failed, the method reported a failure, a wrong password), 2 usage error (also: no password source, when there is no terminal to ask at and none of --password-stdin, --password-file and --password-fd is given), 130 interrupted by Ctrl-C (143 by SIGTERM): the file as it was, no OUT written.</source>
        <translation>0 éxito, 1 fallo (falló la llamada o un archivo, el método notificó un fallo, una contraseña incorrecta), 2 error de uso (también: ninguna fuente de contraseña, cuando no hay un terminal donde preguntar y no se da ninguna de --password-stdin, --password-file y --password-fd), 130 interrumpido con Ctrl+C (143 con SIGTERM): el archivo como estaba, sin escribir OUT.</translation>
    </message>
    <message>
        <source>Usage:</source>
        <translation>Uso:</translation>
    </message>
    <message>
        <source>Commands:</source>
        <translation>Órdenes:</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opciones:</translation>
    </message>
    <message>
        <source>show this text</source>
        <translation>muestra este texto</translation>
    </message>
    <message>
        <source>&apos;%1 COMMAND --help&apos; shows the options of a command.</source>
        <translation>&apos;%1 COMMAND --help&apos; muestra las opciones de una orden.</translation>
    </message>
    <message>
        <source>%1:</source>
        <extracomment>The heading of a section of --help, such as &quot;Exit status:&quot;; %1 is the section&apos;s title.</extracomment>
        <translation>%1:</translation>
    </message>
</context>
</TS>
