<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>HelpPage</name>
    <message>
        <source>Ardentis Help</source>
        <comment>top</comment>
        <translation>Ayuda de Ardentis</translation>
    </message>
    <message>
        <source>&lt;a href="#what"&gt;What Ardentis does&lt;/a&gt; &amp;middot; &lt;a href="#how"&gt;Encrypting and decrypting&lt;/a&gt; &amp;middot; &lt;a href="#several"&gt;Several files at once&lt;/a&gt; &amp;middot; &lt;a href="#afterwards"&gt;What is true after a run&lt;/a&gt; &amp;middot; &lt;a href="#password"&gt;Your password&lt;/a&gt; &amp;middot; &lt;a href="#confirm"&gt;Typing it twice, and how strong it is&lt;/a&gt; &amp;middot; &lt;a href="#keyboard"&gt;Keyboard, screen readers and more files&lt;/a&gt; &amp;middot; &lt;a href="#format"&gt;Inside an encrypted file&lt;/a&gt; &amp;middot; &lt;a href="#limits"&gt;What the format does not protect&lt;/a&gt; &amp;middot; &lt;a href="#sounds"&gt;Sounds&lt;/a&gt; &amp;middot; &lt;a href="#info"&gt;The information window&lt;/a&gt; &amp;middot; &lt;a href="#settings"&gt;Settings&lt;/a&gt; &amp;middot; &lt;a href="#korbit"&gt;The command line&lt;/a&gt;</source>
        <translation>&lt;a href="#what"&gt;Qué hace Ardentis&lt;/a&gt; &amp;middot; &lt;a href="#how"&gt;Cifrar y descifrar&lt;/a&gt; &amp;middot; &lt;a href="#several"&gt;Varios archivos a la vez&lt;/a&gt; &amp;middot; &lt;a href="#afterwards"&gt;Qué se cumple después de una operación&lt;/a&gt; &amp;middot; &lt;a href="#password"&gt;Su contraseña&lt;/a&gt; &amp;middot; &lt;a href="#confirm"&gt;Escribirla dos veces, y cuán fuerte es&lt;/a&gt; &amp;middot; &lt;a href="#keyboard"&gt;Teclado, lectores de pantalla y más archivos&lt;/a&gt; &amp;middot; &lt;a href="#format"&gt;El interior de un archivo cifrado&lt;/a&gt; &amp;middot; &lt;a href="#limits"&gt;Lo que el formato no protege&lt;/a&gt; &amp;middot; &lt;a href="#sounds"&gt;Sonidos&lt;/a&gt; &amp;middot; &lt;a href="#info"&gt;La ventana de información&lt;/a&gt; &amp;middot; &lt;a href="#settings"&gt;Configuración&lt;/a&gt; &amp;middot; &lt;a href="#korbit"&gt;La línea de órdenes&lt;/a&gt;</translation>
    </message>
    <message>
        <source>What Ardentis does</source>
        <translation>Qué hace Ardentis</translation>
    </message>
    <message>
        <source>Ardentis protects files with a password, one or several at a time. A file is encrypted &lt;em&gt;in place&lt;/em&gt;: it keeps its name and stays in its folder, but its content can only be read again after it is decrypted with the same password.</source>
        <translation>Ardentis protege archivos con una contraseña, uno o varios a la vez. Un archivo se cifra &lt;em&gt;en su sitio&lt;/em&gt;: conserva su nombre y se queda en su carpeta, pero su contenido solo se puede volver a leer después de descifrarlo con la misma contraseña.</translation>
    </message>
    <message>
        <source>After encryption the file is marked &lt;strong&gt;read-only&lt;/strong&gt;, so that it is not changed by accident.</source>
        <translation>Después del cifrado, el archivo queda marcado como &lt;strong&gt;de solo lectura&lt;/strong&gt;, para que no se modifique por accidente.</translation>
    </message>
    <message>
        <source>Decryption restores the original content and the file's original read-only state (a file that was writable before becomes writable again).</source>
        <translation>El descifrado restablece el contenido original y el estado original de solo lectura del archivo (un archivo que antes se podía modificar vuelve a poder modificarse).</translation>
    </message>
    <message>
        <source>Ardentis tells by itself whether a file is plain or encrypted, so the same window does both jobs.</source>
        <translation>Ardentis reconoce por sí mismo si un archivo está sin cifrar o cifrado, así que la misma ventana sirve para las dos tareas.</translation>
    </message>
    <message>
        <source>Encrypting and decrypting</source>
        <translation>Cifrar y descifrar</translation>
    </message>
    <message>
        <source>Press &lt;strong&gt;Select File&lt;/strong&gt; and choose the file. You can also drop a file from your file manager onto the window: that selects it too. The next time, the dialog opens in the folder of the file you chose last.</source>
        <translation>Pulse &lt;strong&gt;Elegir archivo&lt;/strong&gt; y busque el archivo. También puede arrastrar un archivo desde su gestor de archivos hasta la ventana: eso también lo selecciona. La próxima vez, el diálogo se abre en la carpeta del último archivo que eligió.</translation>
    </message>
    <message>
        <source>Look at the big button. It reads &lt;strong&gt;Encrypt&lt;/strong&gt; when the file is a plain file and &lt;strong&gt;Decrypt&lt;/strong&gt; when the file is already encrypted. It can be pressed only while the file box names a file that can be worked on.</source>
        <translation>Mire el botón grande. Dice &lt;strong&gt;Cifrar&lt;/strong&gt; cuando el archivo está sin cifrar y &lt;strong&gt;Descifrar&lt;/strong&gt; cuando ya está cifrado. Solo se puede pulsar mientras el cuadro del archivo nombra un archivo con el que se puede trabajar.</translation>
    </message>
    <message>
        <source>Type the password, or press &lt;strong&gt;Suggest&lt;/strong&gt; for one (see &lt;a href="#password"&gt;Your password&lt;/a&gt;).</source>
        <translation>Escriba la contraseña, o pulse &lt;strong&gt;Sugerir&lt;/strong&gt; para obtener una (vea &lt;a href="#password"&gt;Su contraseña&lt;/a&gt;).</translation>
    </message>
    <message>
        <source>Press the button, or press &lt;kbd&gt;Enter&lt;/kbd&gt; in the password box.</source>
        <translation>Pulse el botón, o pulse &lt;kbd&gt;Intro&lt;/kbd&gt; en el cuadro de la contraseña.</translation>
    </message>
    <message>
        <source>While the file is processed, a progress bar and a percentage show how far the work has come. Large files take a while.</source>
        <translation>Mientras se procesa el archivo, una barra de progreso y un porcentaje muestran cuánto se ha avanzado. Los archivos grandes tardan un rato.</translation>
    </message>
    <message>
        <source>When the run ends, the line under the bar says what happened: &amp;ldquo;report.pdf is encrypted.&amp;rdquo;, &amp;ldquo;report.pdf is decrypted.&amp;rdquo;, &amp;ldquo;Cancelled: report.pdf is as it was.&amp;rdquo;, &amp;ldquo;Wrong password: nothing was changed.&amp;rdquo;, or why the file could not be changed. If you turned to another window in the meantime, the desktop also shows a notification; its &lt;strong&gt;Show in folder&lt;/strong&gt; button opens the file's folder with the file selected. The bar and the percentage keep the last value they showed during the run, which for a small file may be well below 100%: the line under them is what tells.</source>
        <translation>Cuando termina la operación, la línea bajo la barra dice qué ha pasado: &amp;laquo;report.pdf está cifrado.&amp;raquo;, &amp;laquo;report.pdf está descifrado.&amp;raquo;, &amp;laquo;Cancelado: report.pdf está como estaba.&amp;raquo;, &amp;laquo;Contraseña incorrecta: no se cambió nada.&amp;raquo;, o por qué no se pudo cambiar el archivo. Si mientras tanto pasó a otra ventana, el escritorio muestra además una notificación; su botón &lt;strong&gt;Mostrar en la carpeta&lt;/strong&gt; abre la carpeta del archivo con el archivo seleccionado. La barra y el porcentaje conservan el último valor que mostraron durante la operación, que en un archivo pequeño puede quedar muy por debajo del 100&amp;nbsp;%: lo que cuenta es la línea de debajo.</translation>
    </message>
    <message>
        <source>After a wrong password, Cancel or a failure, the file box and the password box are emptied: choose the file again to try once more.</source>
        <translation>Tras una contraseña incorrecta, una cancelación o un fallo, el cuadro del archivo y el de la contraseña se vacían: vuelva a elegir el archivo para intentarlo de nuevo.</translation>
    </message>
    <message>
        <source>&lt;strong&gt;Cancel&lt;/strong&gt; stops the work at any time and leaves the file exactly as it was. Ardentis writes the result into a new file beside the original and only replaces the original when everything has been written, so an interrupted run never leaves a half-encrypted file behind.</source>
        <translation>&lt;strong&gt;Cancelar&lt;/strong&gt; detiene el trabajo en cualquier momento y deja el archivo exactamente como estaba. Ardentis escribe el resultado en un archivo nuevo junto al original y solo sustituye el original cuando todo se ha escrito, así que una operación interrumpida nunca deja un archivo a medio cifrar.</translation>
    </message>
    <message>
        <source>Several files at once</source>
        <translation>Varios archivos a la vez</translation>
    </message>
    <message>
        <source>Choose several files in the Select File dialog (hold &lt;kbd&gt;Ctrl&lt;/kbd&gt; or &lt;kbd&gt;Shift&lt;/kbd&gt;), drop several onto the window, or open several with Ardentis from your file manager. The file box then reads, for example, &amp;ldquo;3 files: a.txt, b.pdf, c.odt&amp;rdquo; (rest the mouse on it to see every path), and the button says what will happen: &amp;ldquo;Encrypt 3 files&amp;rdquo;, &amp;ldquo;Decrypt 3 files&amp;rdquo;, or &amp;ldquo;Encrypt 2, decrypt 1&amp;rdquo; when some are plain and some encrypted.</source>
        <translation>Elija varios archivos en el diálogo que abre Elegir archivo (manteniendo pulsada &lt;kbd&gt;Ctrl&lt;/kbd&gt; o &lt;kbd&gt;Mayús&lt;/kbd&gt;), arrastre varios hasta la ventana, o abra varios con Ardentis desde su gestor de archivos. El cuadro del archivo dice entonces, por ejemplo, &amp;laquo;3 archivos: a.txt, b.pdf, c.odt&amp;raquo; (deje el ratón encima para ver cada ruta), y el botón dice lo que va a pasar: &amp;laquo;Cifrar 3 archivos&amp;raquo;, &amp;laquo;Descifrar 3 archivos&amp;raquo; o &amp;laquo;Cifrar 2, descifrar 1&amp;raquo; cuando unos están sin cifrar y otros cifrados.</translation>
    </message>
    <message>
        <source>One password is used for all of them. It is asked twice when anything is to be encrypted.</source>
        <translation>Se usa una sola contraseña para todos. Se pide dos veces cuando hay algo que cifrar.</translation>
    </message>
    <message>
        <source>The files are worked on one after the other; the bar shows the whole run.</source>
        <translation>Los archivos se procesan uno tras otro; la barra muestra la operación completa.</translation>
    </message>
    <message>
        <source>&lt;strong&gt;Cancel&lt;/strong&gt; stops the file being worked on, which is left exactly as it was, and starts no other. Files finished before stay finished.</source>
        <translation>&lt;strong&gt;Cancelar&lt;/strong&gt; detiene el archivo en curso, que queda exactamente como estaba, y no empieza ningún otro. Los archivos ya terminados siguen terminados.</translation>
    </message>
    <message>
        <source>A file that cannot be changed at all (see below) is skipped; the note under the warning names it as soon as you choose it.</source>
        <translation>Un archivo que no se puede cambiar en absoluto (vea más abajo) se omite; la nota bajo la advertencia lo nombra en cuanto lo elige.</translation>
    </message>
    <message>
        <source>No message stops the run halfway. At the end, the line under the bar (and the notification, if you are in another window) says how many files are done and names each one that is not, with the reason: a wrong password, Cancel, a file that could not be changed.</source>
        <translation>Ningún mensaje detiene la operación a medio camino. Al final, la línea bajo la barra (y la notificación, si está en otra ventana) dice cuántos archivos se han completado y nombra cada uno de los que no, con el motivo: una contraseña incorrecta, una cancelación, un archivo que no se pudo cambiar.</translation>
    </message>
    <message>
        <source>What is true after a run</source>
        <translation>Qué se cumple después de una operación</translation>
    </message>
    <message>
        <source>&lt;strong&gt;After a successful run&lt;/strong&gt; the file holds the whole new content under the same name, in the same folder, with the same owner, group, extended attributes and access control lists. Encryption takes write permission away from everyone (the file becomes read-only). Decryption gives write permission back to everyone who may read the file, as far as your default permissions (your umask) allow, unless the file was read-only before it was encrypted. The set-user-ID, set-group-ID and sticky bits are never kept: a program that was encrypted has to be given them again by hand.</source>
        <translation>&lt;strong&gt;Tras una operación correcta&lt;/strong&gt;, el archivo contiene todo el contenido nuevo con el mismo nombre, en la misma carpeta, con el mismo propietario, el mismo grupo, los mismos atributos extendidos y las mismas listas de control de acceso. El cifrado quita a todos el permiso de escritura (el archivo pasa a ser de solo lectura). El descifrado devuelve el permiso de escritura a todos los que pueden leer el archivo, en la medida en que lo permitan sus permisos predeterminados (su umask), salvo que el archivo fuera de solo lectura antes de cifrarse. Los bits set-user-ID, set-group-ID y sticky nunca se conservan: a un programa que se cifró hay que volver a dárselos a mano.</translation>
    </message>
    <message>
        <source>&lt;strong&gt;After a wrong password, Cancel or any failure&lt;/strong&gt; the file is exactly as it was, content and permissions, and no temporary file is left behind.</source>
        <translation>&lt;strong&gt;Tras una contraseña incorrecta, una cancelación o cualquier fallo&lt;/strong&gt;, el archivo está exactamente como estaba, contenido y permisos incluidos, y no queda ningún archivo temporal.</translation>
    </message>
    <message>
        <source>&lt;strong&gt;A file with several names&lt;/strong&gt; (hard links), one in a folder you cannot write, or one whose owner or attributes a new file cannot be given, is rewritten in place: the complete result is written to a temporary file, a record of the run is kept in your own folder &lt;code&gt;~/.local/state/korbit/rewrites&lt;/code&gt;, and only then is the result copied into the file. If that copy is interrupted (the disk is full, the computer stops), the complete result is kept beside the file, or in your settings folder, under a name that starts with a dot and contains &lt;code&gt;korbit-complete&lt;/code&gt;. The next time you encrypt or decrypt the file, Ardentis finishes the interrupted copy, tells you so, and does nothing else. Do not delete that file by hand.</source>
        <translation>&lt;strong&gt;Un archivo con varios nombres&lt;/strong&gt; (enlaces duros), uno en una carpeta en la que usted no puede escribir, o uno cuyo propietario o atributos no se pueden dar a un archivo nuevo, se reescribe en su sitio: el resultado completo se escribe en un archivo temporal, se guarda un registro de la operación en su propia carpeta &lt;code&gt;~/.local/state/korbit/rewrites&lt;/code&gt;, y solo entonces se copia el resultado en el archivo. Si esa copia se interrumpe (el disco se llena, el ordenador se detiene), el resultado completo se conserva junto al archivo, o en su carpeta de configuración, con un nombre que empieza por un punto y contiene &lt;code&gt;korbit-complete&lt;/code&gt;. La próxima vez que cifre o descifre el archivo, Ardentis termina la copia interrumpida, se lo dice y no hace nada más. No borre ese archivo a mano.</translation>
    </message>
    <message>
        <source>&lt;strong&gt;Only your own run's copy is ever used.&lt;/strong&gt; Ardentis applies such a copy only when its record proves that your run made it for this very file and that it holds exactly what that run wrote. A file of another user's with such a name is ignored, and you are told its name. A copy of yours that cannot be proven stops the run: nothing is changed, and the message says where the copy is, so that you can look at it and move it away.</source>
        <translation>&lt;strong&gt;Solo se usa la copia de su propia operación.&lt;/strong&gt; Ardentis aplica una copia así solo cuando su registro demuestra que su operación la hizo para este mismo archivo y que contiene exactamente lo que esa operación escribió. Un archivo de otro usuario con un nombre así se pasa por alto, y se le indica su nombre. Una copia suya que no se puede demostrar detiene la operación: no se cambia nada, y el mensaje dice dónde está la copia, para que pueda examinarla y apartarla.</translation>
    </message>
    <message>
        <source>&lt;strong&gt;What cannot be done is refused at once.&lt;/strong&gt; A folder, a device, a file of the system's kernel interfaces (under &lt;code&gt;/proc&lt;/code&gt; or &lt;code&gt;/sys&lt;/code&gt;), a file over 64 GB, one on a read-only disk, one marked immutable, or one that you may neither replace nor write (a file of root's in &lt;code&gt;/etc&lt;/code&gt;, say) is refused with the reason as soon as you choose it, before you type a password.</source>
        <translation>&lt;strong&gt;Lo que no se puede hacer se rechaza enseguida.&lt;/strong&gt; Una carpeta, un dispositivo, un archivo de las interfaces del núcleo del sistema (en &lt;code&gt;/proc&lt;/code&gt; o &lt;code&gt;/sys&lt;/code&gt;), un archivo de más de 64 GB, uno en un disco de solo lectura, uno marcado como inmutable, o uno que usted no puede ni sustituir ni escribir (un archivo de root en &lt;code&gt;/etc&lt;/code&gt;, por ejemplo) se rechaza con el motivo en cuanto lo elige, antes de que escriba una contraseña.</translation>
    </message>
    <message>
        <source>&lt;strong&gt;The file is locked&lt;/strong&gt; while it is rewritten, so a second Ardentis or &lt;code&gt;korbit&lt;/code&gt; cannot work on it at the same time. The lock is only advisory: other programs may ignore it. If another program changes the file during a run, Ardentis notices, stops with "&amp;hellip; changed while it was being encrypted; nothing was replaced", and the file keeps what the other program wrote.</source>
        <translation>&lt;strong&gt;El archivo se bloquea&lt;/strong&gt; mientras se reescribe, de modo que un segundo Ardentis o &lt;code&gt;korbit&lt;/code&gt; no puede trabajar en él al mismo tiempo. El bloqueo es solo consultivo: otros programas pueden ignorarlo. Si otro programa cambia el archivo durante una operación, Ardentis lo nota, se detiene con el mensaje (en inglés) "&amp;hellip; changed while it was being encrypted; nothing was replaced", y el archivo conserva lo que escribió el otro programa.</translation>
    </message>
    <message>
        <source>Ardentis works on the file it opened: a link that someone swaps into the file's folder during a run never leads it to another file.</source>
        <translation>Ardentis trabaja en el archivo que abrió: un enlace que alguien introduzca en la carpeta del archivo durante una operación nunca lo lleva a otro archivo.</translation>
    </message>
    <message>
        <source>Your password</source>
        <translation>Su contraseña</translation>
    </message>
    <message>
        <source>A password has &lt;strong&gt;6 or more characters&lt;/strong&gt;, and &lt;strong&gt;at most 26&lt;/strong&gt;. Files made by earlier versions rely on that limit.</source>
        <translation>Una contraseña tiene &lt;strong&gt;6 caracteres o más&lt;/strong&gt;, y &lt;strong&gt;26 como máximo&lt;/strong&gt;. Los archivos creados con versiones anteriores dependen de ese límite.</translation>
    </message>
    <message>
        <source>&lt;strong&gt;Show&lt;/strong&gt;, beside the box, shows what you typed; &lt;strong&gt;Hide&lt;/strong&gt; hides it again.</source>
        <translation>&lt;strong&gt;Mostrar&lt;/strong&gt;, junto al cuadro, muestra lo que ha escrito; &lt;strong&gt;Ocultar&lt;/strong&gt; vuelve a ocultarlo.</translation>
    </message>
    <message>
        <source>Under the box a &lt;strong&gt;strength meter&lt;/strong&gt; says, as you type, how long one graphics card would need to guess the password: &amp;ldquo;Weak: one graphics card could guess it in about 3 hours.&amp;rdquo;, &amp;ldquo;Fair: &amp;hellip;&amp;rdquo; or &amp;ldquo;Strong: one graphics card would need thousands of years to guess it.&amp;rdquo;</source>
        <translation>Bajo el cuadro, un &lt;strong&gt;medidor de seguridad&lt;/strong&gt; dice, mientras escribe, cuánto tardaría una tarjeta gráfica en adivinar la contraseña: &amp;laquo;Débil: una tarjeta gráfica tardaría unas 3 horas en adivinarla.&amp;raquo;, &amp;laquo;Aceptable: &amp;hellip;&amp;raquo; o &amp;laquo;Fuerte: una tarjeta gráfica tardaría miles de años en adivinarla.&amp;raquo;</translation>
    </message>
    <message>
        <source>&lt;strong&gt;Suggest&lt;/strong&gt; fills in a random password of five groups of four letters and digits, such as &lt;code&gt;k7qm-3xpn-a9fe-w2rh-tt8d&lt;/code&gt;, and shows it. It carries 100 bits of chance; no graphics card will guess it. &lt;strong&gt;Write it down&lt;/strong&gt; and keep it safe.</source>
        <translation>&lt;strong&gt;Sugerir&lt;/strong&gt; rellena el cuadro con una contraseña aleatoria de cinco grupos de cuatro letras y cifras, como &lt;code&gt;k7qm-3xpn-a9fe-w2rh-tt8d&lt;/code&gt;, y la muestra. Lleva 100 bits de azar; ninguna tarjeta gráfica la adivinará. &lt;strong&gt;Anótela&lt;/strong&gt; y guárdela en un lugar seguro.</translation>
    </message>
    <message>
        <source>Passwords are &lt;strong&gt;case sensitive&lt;/strong&gt;: &lt;code&gt;Summer&lt;/code&gt; and &lt;code&gt;summer&lt;/code&gt; are different passwords.</source>
        <translation>Las contraseñas &lt;strong&gt;distinguen mayúsculas de minúsculas&lt;/strong&gt;: &lt;code&gt;Summer&lt;/code&gt; y &lt;code&gt;summer&lt;/code&gt; son contraseñas distintas.</translation>
    </message>
    <message>
        <source>Decrypting needs exactly the password the file was encrypted with. A wrong password is refused and the file is not touched.</source>
        <translation>Para descifrar hace falta exactamente la contraseña con la que se cifró el archivo. Una contraseña incorrecta se rechaza y el archivo no se toca.</translation>
    </message>
    <message>
        <source>WARNING!!! DO NOT lose your password. The technology to restore your file without the password DOES NOT EXIST.</source>
        <translation>¡¡¡ADVERTENCIA!!! NO pierda su contraseña. La tecnología para recuperar su archivo sin la contraseña NO EXISTE.</translation>
    </message>
    <message>
        <source>Typing it twice, and how strong it is</source>
        <translation>Escribirla dos veces, y cuán fuerte es</translation>
    </message>
    <message>
        <source>Before a file is encrypted, Ardentis asks for the password a second time, so that a typing mistake cannot lock you out of your file. If the two do not match, nothing happens: type it again, or press &lt;kbd&gt;Esc&lt;/kbd&gt; and correct the first one. Decrypting asks only once, since a wrong password is simply refused.</source>
        <translation>Antes de cifrar un archivo, Ardentis pide la contraseña por segunda vez, para que un error al teclear no le deje sin acceso a su archivo. Si las dos no coinciden, no pasa nada: escríbala otra vez, o pulse &lt;kbd&gt;Esc&lt;/kbd&gt; y corrija la primera. Para descifrar la pide solo una vez, ya que una contraseña incorrecta simplemente se rechaza.</translation>
    </message>
    <message>
        <source>The password box takes at most 26 characters. When you reach that limit, or type or paste more, a note under the box says so: nothing is cut off without your knowing, and a passphrase that is too long is not taken at all.</source>
        <translation>El cuadro de la contraseña admite 26 caracteres como máximo. Cuando llega a ese límite, o escribe o pega más, una nota bajo el cuadro lo dice: nada se corta sin que usted lo sepa, y una frase de contraseña demasiado larga no se acepta en absoluto.</translation>
    </message>
    <message>
        <source>The second dialog repeats what the strength meter says: an estimate of how long it would take to find your password by guessing, for someone who has a copy of the encrypted file and one current graphics card. Such a card tries about &lt;strong&gt;10 billion passwords a second&lt;/strong&gt;, because checking a guess against the file costs a single SHA-256 digest. The estimate counts the guesses such an attacker makes first: dictionary words and common passwords, names, dates, keyboard patterns such as &lt;code&gt;qwerty&lt;/code&gt;, repeats and sequences such as &lt;code&gt;abc&lt;/code&gt;, and the usual ways of disguising them (&lt;code&gt;p4ssw0rd&lt;/code&gt;). &amp;ldquo;correct horse&amp;rdquo; is weak; several unrelated words, or a suggested password, are strong.</source>
        <translation>El segundo diálogo repite lo que dice el medidor de seguridad: una estimación de cuánto se tardaría en encontrar su contraseña adivinando, para alguien que tenga una copia del archivo cifrado y una tarjeta gráfica actual. Una tarjeta así prueba unos &lt;strong&gt;10&amp;nbsp;000 millones de contraseñas por segundo&lt;/strong&gt;, porque comprobar un intento contra el archivo cuesta un único cálculo SHA-256. La estimación cuenta los intentos que un atacante así hace primero: palabras de diccionario y contraseñas comunes, nombres, fechas, patrones de teclado como &lt;code&gt;qwerty&lt;/code&gt;, repeticiones y secuencias como &lt;code&gt;abc&lt;/code&gt;, y las formas habituales de disfrazarlos (&lt;code&gt;p4ssw0rd&lt;/code&gt;). &amp;laquo;correct horse&amp;raquo; es débil; varias palabras sin relación entre sí, o una contraseña sugerida, son fuertes.</translation>
    </message>
    <message>
        <source>&amp;ldquo;&amp;eacute; is fine; letters from other scripts do not all count.&amp;rdquo; Only the last 8 bits of each character enter the key. Letters with accents such as &amp;eacute;, &amp;auml; or &amp;ntilde; count in full, but characters beyond &lt;code&gt;U+00FF&lt;/code&gt; (Cyrillic, Greek, Chinese and most other scripts, and symbols such as emoji) count the same as some other character: the passwords &lt;code&gt;фффффф&lt;/code&gt; and &lt;code&gt;DDDDDD&lt;/code&gt; open the same files. The note under the password box says so when your password holds such characters; it appears in space kept for it, so nothing moves while you type.</source>
        <translation>&amp;laquo;La &amp;eacute; sirve; las letras de otras escrituras no cuentan todas.&amp;raquo; Solo los últimos 8 bits de cada carácter entran en la clave. Las letras con acento como &amp;eacute;, &amp;auml; o &amp;ntilde; cuentan por completo, pero los caracteres más allá de &lt;code&gt;U+00FF&lt;/code&gt; (cirílico, griego, chino y la mayoría de las demás escrituras, y símbolos como los emojis) cuentan igual que algún otro carácter: las contraseñas &lt;code&gt;фффффф&lt;/code&gt; y &lt;code&gt;DDDDDD&lt;/code&gt; abren los mismos archivos. La nota bajo el cuadro de la contraseña lo dice cuando su contraseña contiene tales caracteres; aparece en un espacio reservado para ella, así que nada se mueve mientras escribe.</translation>
    </message>
    <message>
        <source>Keyboard, screen readers and more files</source>
        <translation>Teclado, lectores de pantalla y más archivos</translation>
    </message>
    <message>
        <source>Key</source>
        <comment>section keyboard</comment>
        <translation>Tecla</translation>
    </message>
    <message>
        <source>What it does</source>
        <translation>Qué hace</translation>
    </message>
    <message>
        <source>&lt;kbd&gt;Tab&lt;/kbd&gt;</source>
        <translation>&lt;kbd&gt;Tab&lt;/kbd&gt;</translation>
    </message>
    <message>
        <source>moves through the file box, Select File, the password, Show, Suggest, the buttons and the four pictures, in that order</source>
        <translation>recorre, en este orden, el cuadro del archivo, Elegir archivo, la contraseña, Mostrar, Sugerir, los botones y las cuatro imágenes</translation>
    </message>
    <message>
        <source>&lt;kbd&gt;Space&lt;/kbd&gt; or &lt;kbd&gt;Enter&lt;/kbd&gt;</source>
        <translation>&lt;kbd&gt;Espacio&lt;/kbd&gt; o &lt;kbd&gt;Intro&lt;/kbd&gt;</translation>
    </message>
    <message>
        <source>presses the button or picture that has the focus</source>
        <translation>pulsa el botón o la imagen que tiene el foco</translation>
    </message>
    <message>
        <source>&lt;kbd&gt;Enter&lt;/kbd&gt; in the file box</source>
        <translation>&lt;kbd&gt;Intro&lt;/kbd&gt; en el cuadro del archivo</translation>
    </message>
    <message>
        <source>takes the path you typed there, as if you had chosen it</source>
        <translation>toma la ruta que escribió allí, como si la hubiera elegido</translation>
    </message>
    <message>
        <source>&lt;kbd&gt;Enter&lt;/kbd&gt; in the password box</source>
        <translation>&lt;kbd&gt;Intro&lt;/kbd&gt; en el cuadro de la contraseña</translation>
    </message>
    <message>
        <source>presses Encrypt or Decrypt</source>
        <translation>pulsa Cifrar o Descifrar</translation>
    </message>
    <message>
        <source>&lt;kbd&gt;Esc&lt;/kbd&gt;</source>
        <translation>&lt;kbd&gt;Esc&lt;/kbd&gt;</translation>
    </message>
    <message>
        <source>cancels a running encryption or decryption</source>
        <translation>cancela un cifrado o descifrado en curso</translation>
    </message>
    <message>
        <source>&lt;kbd&gt;F1&lt;/kbd&gt;</source>
        <translation>&lt;kbd&gt;F1&lt;/kbd&gt;</translation>
    </message>
    <message>
        <source>opens this help page, with the desktop's program for web pages or, where there is none, in a window of Ardentis</source>
        <translation>abre esta página de ayuda, con el programa del escritorio para páginas web o, donde no lo hay, en una ventana de Ardentis</translation>
    </message>
    <message>
        <source>&lt;kbd&gt;Ctrl&lt;/kbd&gt;+&lt;kbd&gt;Q&lt;/kbd&gt;</source>
        <translation>&lt;kbd&gt;Ctrl&lt;/kbd&gt;+&lt;kbd&gt;Q&lt;/kbd&gt;</translation>
    </message>
    <message>
        <source>closes Ardentis (a running job is cancelled first and the file left as it was)</source>
        <translation>cierra Ardentis (primero se cancela el trabajo en curso y el archivo queda como estaba)</translation>
    </message>
    <message>
        <source>Every control has a name that screen readers announce; the sound picture says whether sounds are on or off.</source>
        <translation>Cada control tiene un nombre que anuncian los lectores de pantalla; la imagen del altavoz dice si los sonidos están activados o no.</translation>
    </message>
    <message>
        <source>Only one copy of Ardentis runs at a time. Opening a file with Ardentis while it already runs hands the file to the running window, which comes to the front and selects it (several files too); if the window is busy with a job or a dialog, it says so and leaves its own files alone, and the note goes when the job ends. The hand-over stays among your own programs: it goes through a folder only you can open, and the running window listens to no other user.</source>
        <translation>Solo se ejecuta una instancia de Ardentis a la vez. Abrir un archivo con Ardentis mientras ya se está ejecutando entrega el archivo a la ventana abierta, que pasa al frente y lo selecciona (también varios archivos); si la ventana está ocupada con un trabajo o un diálogo, lo dice y deja sus propios archivos como están, y la nota desaparece cuando termina el trabajo. La entrega se queda entre sus propios programas: pasa por una carpeta que solo usted puede abrir, y la ventana abierta no escucha a ningún otro usuario.</translation>
    </message>
    <message>
        <source>Any file name your system allows can be chosen, one written in an older character set too. Letters of such a name that are not UTF-8 are shown as a code, for example &lt;code&gt;caf\xE9.txt&lt;/code&gt;; the file keeps its name.</source>
        <translation>Se puede elegir cualquier nombre de archivo que permita su sistema, también uno escrito en un juego de caracteres más antiguo. Las letras de un nombre así que no son UTF-8 se muestran como un código, por ejemplo &lt;code&gt;caf\xE9.txt&lt;/code&gt;; el archivo conserva su nombre.</translation>
    </message>
    <message>
        <source>With a dark desktop theme the window's coloured texts turn lighter so that they stay easy to read, the password box turns dark yellow with light text, and the speaker and information pictures are drawn in light colours; on high-resolution screens the pictures are drawn at full sharpness.</source>
        <translation>Con un tema de escritorio oscuro, los textos de color de la ventana se aclaran para que sigan leyéndose bien, el cuadro de la contraseña se vuelve amarillo oscuro con texto claro, y las imágenes del altavoz y de la información se dibujan en colores claros; en pantallas de alta resolución, las imágenes se dibujan con toda su nitidez.</translation>
    </message>
    <message>
        <source>Inside an encrypted file</source>
        <translation>El interior de un archivo cifrado</translation>
    </message>
    <message>
        <source>An encrypted file holds, in this order:</source>
        <translation>Un archivo cifrado contiene, en este orden:</translation>
    </message>
    <message>
        <source>Part</source>
        <translation>Parte</translation>
    </message>
    <message>
        <source>What it is</source>
        <translation>Qué es</translation>
    </message>
    <message>
        <source>A short header</source>
        <translation>Una cabecera corta</translation>
    </message>
    <message>
        <source>a marker that identifies the file as encrypted (the letters &lt;code&gt;xjeS&lt;/code&gt;), the original file's extension and attributes (such as read-only), and a random seed drawn afresh from the system's random source for every encryption</source>
        <translation>una marca que identifica el archivo como cifrado (las letras &lt;code&gt;xjeS&lt;/code&gt;), la extensión y los atributos del archivo original (como solo lectura), y una semilla aleatoria que se obtiene de nuevo de la fuente de azar del sistema en cada cifrado</translation>
    </message>
    <message>
        <source>A password check</source>
        <translation>Una comprobación de la contraseña</translation>
    </message>
    <message>
        <source>32 bytes computed from the password and the seed; Ardentis compares them with your password before it decrypts anything</source>
        <translation>32 bytes calculados a partir de la contraseña y la semilla; Ardentis los compara con su contraseña antes de descifrar nada</translation>
    </message>
    <message>
        <source>The data</source>
        <translation>Los datos</translation>
    </message>
    <message>
        <source>your file's content, XORed in 32-byte blocks with keys derived from the password through SHA-256; every block gets its own key</source>
        <translation>el contenido de su archivo, combinado mediante XOR, en bloques de 32 bytes, con claves derivadas de la contraseña mediante SHA-256; cada bloque tiene su propia clave</translation>
    </message>
    <message>
        <source>Because of the random seed, encrypting the same file twice with the same password gives two different encrypted files. The seed is also chosen so that no block of any file is ever encrypted with a key that an encrypted file stores as its password check.</source>
        <translation>Gracias a la semilla aleatoria, cifrar dos veces el mismo archivo con la misma contraseña da dos archivos cifrados distintos. Además, la semilla se elige de modo que ningún bloque de ningún archivo se cifre nunca con una clave que un archivo cifrado guarde como su comprobación de la contraseña.</translation>
    </message>
    <message>
        <source>What the format does not protect</source>
        <translation>Lo que el formato no protege</translation>
    </message>
    <message>
        <source>The encrypted format is kept exactly as it is so that files encrypted earlier can still be decrypted. That compatibility has a price, and you should know it:</source>
        <translation>El formato cifrado se mantiene exactamente como es para que los archivos cifrados antes se puedan seguir descifrando. Esa compatibilidad tiene un precio, y conviene que lo conozca:</translation>
    </message>
    <message>
        <source>&lt;strong&gt;Guessing passwords offline.&lt;/strong&gt; The password check is stored in the file. Someone who has a copy of the encrypted file can test guesses against it on their own computer, quickly and as often as they like. Only a long, unguessable password gives real protection: use the full 26 characters, mixing unrelated words, digits and symbols.</source>
        <translation>&lt;strong&gt;Adivinar contraseñas sin conexión.&lt;/strong&gt; La comprobación de la contraseña está guardada en el archivo. Quien tenga una copia del archivo cifrado puede probar intentos contra ella en su propio ordenador, deprisa y tantas veces como quiera. Solo una contraseña larga e imposible de adivinar protege de verdad: use los 26 caracteres completos, mezclando palabras sin relación, cifras y símbolos.</translation>
    </message>
    <message>
        <source>&lt;strong&gt;Some bits are not hidden.&lt;/strong&gt; The last key byte of each 32-byte block carries only 4 bits of key. The upper 4 bits of every 32nd plain byte are therefore visible in the encrypted file.</source>
        <translation>&lt;strong&gt;Algunos bits no quedan ocultos.&lt;/strong&gt; El último byte de clave de cada bloque de 32 bytes lleva solo 4 bits de clave. Por eso los 4 bits superiores de cada 32.º byte sin cifrar son visibles en el archivo cifrado.</translation>
    </message>
    <message>
        <source>&lt;strong&gt;No tamper detection.&lt;/strong&gt; Nothing in the format notices changes. If someone alters an encrypted file, it decrypts to altered content without any warning.</source>
        <translation>&lt;strong&gt;No se detectan manipulaciones.&lt;/strong&gt; Nada en el formato advierte los cambios. Si alguien altera un archivo cifrado, se descifra en un contenido alterado sin ningún aviso.</translation>
    </message>
    <message>
        <source>&lt;strong&gt;Size and name stay visible.&lt;/strong&gt; The encrypted file keeps the original name, and its size is the original size plus a small header.</source>
        <translation>&lt;strong&gt;El tamaño y el nombre siguen visibles.&lt;/strong&gt; El archivo cifrado conserva el nombre original, y su tamaño es el tamaño original más una pequeña cabecera.</translation>
    </message>
    <message>
        <source>If you need strong protection, use a modern tool with authenticated encryption as well, for example on top of a file Ardentis encrypted.</source>
        <translation>Si necesita una protección fuerte, use además una herramienta moderna con cifrado autenticado, por ejemplo sobre un archivo que Ardentis haya cifrado.</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Sonidos</translation>
    </message>
    <message>
        <source>Ardentis plays short sound cues: when a run starts, when it succeeds, when it is cancelled, and when you click a button. Click the speaker image to turn the cues off or on. The speaker with waves means sounds are on; the speaker with a cross means they are off. Your choice is remembered.</source>
        <translation>Ardentis reproduce breves avisos sonoros: cuando empieza una operación, cuando termina bien, cuando se cancela y cuando hace clic en un botón. Haga clic en la imagen del altavoz para desactivar o activar los avisos. El altavoz con ondas significa que los sonidos están activados; el altavoz con una cruz, que están desactivados. Su elección se recuerda.</translation>
    </message>
    <message>
        <source>The information window</source>
        <translation>La ventana de información</translation>
    </message>
    <message>
        <source>The &lt;strong&gt;i&lt;/strong&gt; image opens the information window, which shows the program's version and its maker, Velmora Software. The &lt;strong&gt;?&lt;/strong&gt; image opens this help page.</source>
        <translation>La imagen &lt;strong&gt;i&lt;/strong&gt; abre la ventana de información, que muestra la versión del programa y su fabricante, Velmora Software. La imagen &lt;strong&gt;?&lt;/strong&gt; abre esta página de ayuda.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Ardentis keeps its few settings for each user in &lt;code&gt;~/.config/Velmora Software/Corvane/xjf_app.ini&lt;/code&gt;:</source>
        <translation>Ardentis guarda sus pocos ajustes de cada usuario en &lt;code&gt;~/.config/Velmora Software/Corvane/xjf_app.ini&lt;/code&gt;:</translation>
    </message>
    <message>
        <source>Key</source>
        <comment>section settings</comment>
        <translation>Clave</translation>
    </message>
    <message>
        <source>Meaning</source>
        <translation>Significado</translation>
    </message>
    <message>
        <source>where the settings file itself lives</source>
        <translation>dónde está el propio archivo de configuración</translation>
    </message>
    <message>
        <source>where this help page is found</source>
        <translation>dónde se encuentra esta página de ayuda</translation>
    </message>
    <message>
        <source>whether the sound cues are on</source>
        <translation>si los avisos sonoros están activados</translation>
    </message>
    <message>
        <source>Ardentis writes this file itself; you rarely need to edit it.</source>
        <translation>Ardentis escribe este archivo por sí mismo; rara vez hace falta editarlo.</translation>
    </message>
    <message>
        <source>The command line</source>
        <translation>La línea de órdenes</translation>
    </message>
    <message>
        <source>The companion program &lt;code&gt;korbit&lt;/code&gt; does the same work from a terminal and reads and writes the same encrypted files:</source>
        <translation>El programa complementario &lt;code&gt;korbit&lt;/code&gt; hace el mismo trabajo desde un terminal y lee y escribe los mismos archivos cifrados:</translation>
    </message>
    <message>
        <source>It asks for the password (twice when encrypting). With &lt;code&gt;--password-stdin&lt;/code&gt; it reads the password as one line from standard input instead, which is handy in scripts. Press &lt;kbd&gt;Ctrl&lt;/kbd&gt;+&lt;kbd&gt;C&lt;/kbd&gt; to cancel; as in the window, the file is then left as it was.</source>
        <translation>Pide la contraseña (dos veces al cifrar). Con &lt;code&gt;--password-stdin&lt;/code&gt; lee en su lugar la contraseña como una línea de la entrada estándar, lo que resulta práctico en scripts. Pulse &lt;kbd&gt;Ctrl&lt;/kbd&gt;+&lt;kbd&gt;C&lt;/kbd&gt; para cancelar; como en la ventana, el archivo queda entonces como estaba.</translation>
    </message>
</context>
<context>
    <name>DesktopEntry</name>
    <message>
        <source>Ardentis</source>
        <translation>Ardentis</translation>
    </message>
    <message>
        <source>File Encryption</source>
        <translation>Cifrado de archivos</translation>
    </message>
    <message>
        <source>Encrypt or decrypt a file in place with a password</source>
        <translation>Cifrar o descifrar un archivo en su sitio con una contraseña</translation>
    </message>
    <message>
        <source>encrypt;decrypt;password;lock;security;corvane;</source>
        <translation>cifrar;descifrar;encriptar;desencriptar;contraseña;bloquear;seguridad;corvane;</translation>
    </message>
    <message>
        <source>Encrypt with Corvane</source>
        <translation>Cifrar con Corvane</translation>
    </message>
    <message>
        <source>Encrypt the file in place with a password</source>
        <translation>Cifrar el archivo en su sitio con una contraseña</translation>
    </message>
    <message>
        <source>Decrypt with Corvane</source>
        <translation>Descifrar con Corvane</translation>
    </message>
    <message>
        <source>Decrypt the file in place with a password</source>
        <translation>Descifrar el archivo en su sitio con una contraseña</translation>
    </message>
</context>
<context>
    <name>AppStream</name>
    <message>
        <source>Encrypt or decrypt a file in place with a password</source>
        <translation>Cifrar o descifrar un archivo en su sitio con una contraseña</translation>
    </message>
</context>
</TS>
