<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>corvane::AppFolders</name>
    <message>
        <source>The application-data folder cannot be found or made: settings will not be kept.</source>
        <translation>No se puede encontrar ni crear la carpeta de datos de la aplicación: la configuración no se guardará.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation>No se puede crear la carpeta %1.</translation>
    </message>
    <message>
        <source>The settings file %1 cannot be made: settings will not be kept.</source>
        <translation>No se puede crear el archivo de configuración %1: la configuración no se guardará.</translation>
    </message>
    <message>
        <source>The help page %1 cannot be written.</source>
        <translation>No se puede escribir la página de ayuda %1.</translation>
    </message>
</context>
<context>
    <name>corvane::ConfirmPasswordDialog</name>
    <message>
        <source>Type the password again. Without it the file cannot be restored.</source>
        <translation>Escriba la contraseña otra vez. Sin ella, el archivo no se puede recuperar.</translation>
    </message>
    <message>
        <source>Password again</source>
        <translation>Repita la contraseña</translation>
    </message>
    <message>
        <source>The passwords do not match. Type it again, or press Escape to change the first one.</source>
        <translation>Las contraseñas no coinciden. Escriba otra vez la contraseña o pulse Esc para cambiar la primera.</translation>
    </message>
    <message>
        <source>Encrypt</source>
        <translation>Cifrar</translation>
    </message>
</context>
<context>
    <name>corvane::FileSelection</name>
    <message numerus="yes">
        <source>%n files: %1</source>
        <translation>
            <numerusform>%n archivo: %1</numerusform>
            <numerusform>%n archivos: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Encrypt %1, decrypt %2</source>
        <translation>Cifrar %1, descifrar %2</translation>
    </message>
    <message>
        <source>Decrypt</source>
        <translation>Descifrar</translation>
    </message>
    <message>
        <source>Encrypt</source>
        <translation>Cifrar</translation>
    </message>
    <message>
        <source>Decrypt 1 file</source>
        <translation>Descifrar 1 archivo</translation>
    </message>
    <message numerus="yes">
        <source>Decrypt %n files</source>
        <translation>
            <numerusform>Descifrar %n archivo</numerusform>
            <numerusform>Descifrar %n archivos</numerusform>
        </translation>
    </message>
    <message>
        <source>Encrypt 1 file</source>
        <translation>Cifrar 1 archivo</translation>
    </message>
    <message numerus="yes">
        <source>Encrypt %n files</source>
        <translation>
            <numerusform>Cifrar %n archivo</numerusform>
            <numerusform>Cifrar %n archivos</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>corvane::HelpWindow</name>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
</context>
<context>
    <name>corvane::InformationForm</name>
    <message>
        <source>%1 %2
Password file encryption
%3</source>
        <translation>%1 %2
Cifrado de archivos con contraseña
%3</translation>
    </message>
</context>
<context>
    <name>corvane::LoadingForm</name>
    <message>
        <source>Loading</source>
        <translation>Cargando</translation>
    </message>
    <message>
        <source>Loading.</source>
        <translation>Cargando.</translation>
    </message>
    <message>
        <source>Loading..</source>
        <translation>Cargando..</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>Cargando...</translation>
    </message>
    <message>
        <source>Loading....</source>
        <translation>Cargando....</translation>
    </message>
    <message>
        <source>Corvane could not put its folders and files in place:

</source>
        <translation>Corvane no pudo preparar sus carpetas y archivos:

</translation>
    </message>
</context>
<context>
    <name>corvane::MainWindow</name>
    <message>
        <source>Ardentis, password file encryption</source>
        <translation>Ardentis, cifrado de archivos con contraseña</translation>
    </message>
    <message>
        <source>File to encrypt or decrypt</source>
        <translation>Archivo para cifrar o descifrar</translation>
    </message>
    <message>
        <source>Select File</source>
        <translation>Elegir archivo</translation>
    </message>
    <message>
        <source>SHA-256 Bit Encryption U.S. Patent 6,829,355 </source>
        <translation>Cifrado SHA-256 bits, patente de EE. UU. 6,829,355 </translation>
    </message>
    <message>
        <source>WARNING!!! DO NOT lose your password. The technology to restore your file without the password DOES NOT EXIST.</source>
        <translation>¡¡¡ADVERTENCIA!!! NO pierda su contraseña. La tecnología para recuperar su archivo sin la contraseña NO EXISTE.</translation>
    </message>
    <message>
        <source>Click to See</source>
        <translation>Haga clic para ver</translation>
    </message>
    <message>
        <source>Velmora Software web site</source>
        <translation>Sitio web de Velmora Software</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Sonido</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Ocultar</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Mostrar</translation>
    </message>
    <message>
        <source>Hide password</source>
        <translation>Ocultar contraseña</translation>
    </message>
    <message>
        <source>Show password</source>
        <translation>Mostrar contraseña</translation>
    </message>
    <message>
        <source>Hide the password</source>
        <translation>Ocultar la contraseña</translation>
    </message>
    <message>
        <source>Show the password as typed</source>
        <translation>Mostrar la contraseña tal como se escribió</translation>
    </message>
    <message>
        <source>Suggest</source>
        <translation>Sugerir</translation>
    </message>
    <message>
        <source>Suggest a password</source>
        <translation>Sugerir una contraseña</translation>
    </message>
    <message>
        <source>Fills in a random password that one graphics card would need more than a billion years to guess. Write it down: without it the file cannot be restored.</source>
        <translation>Rellena el cuadro con una contraseña aleatoria que una tarjeta gráfica tardaría más de mil millones de años en adivinar. Anótela: sin ella, el archivo no se puede recuperar.</translation>
    </message>
    <message>
        <source>Encrypt</source>
        <translation>Cifrar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progreso</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>Sound on</source>
        <translation>Sonido activado</translation>
    </message>
    <message>
        <source>Sound off</source>
        <translation>Sonido desactivado</translation>
    </message>
    <message>
        <source>Not taken: a password has at most 26 characters.</source>
        <translation>No aceptada: una contraseña tiene como máximo 26 caracteres.</translation>
    </message>
    <message>
        <source>26 characters: the most a password can have.</source>
        <translation>26 caracteres: el máximo que puede tener una contraseña.</translation>
    </message>
    <message>
        <source>Passwords must be 6 or more characters!</source>
        <translation>¡Las contraseñas deben tener 6 caracteres o más!</translation>
    </message>
    <message>
        <source>Passwords are case sensitive and must be 6 or more characters!</source>
        <translation>¡Las contraseñas distinguen mayúsculas de minúsculas y deben tener 6 caracteres o más!</translation>
    </message>
    <message>
        <source>Password Entry</source>
        <translation>Introducción de la contraseña</translation>
    </message>
    <message>
        <source>Busy: “%1” was not selected. Choose it again when this is done.</source>
        <translation>Ocupado: «%1» no se seleccionó. Vuelva a elegirlo cuando esto termine.</translation>
    </message>
    <message numerus="yes">
        <source>Busy: %n files were not selected. Choose them again when this is done.</source>
        <translation>
            <numerusform>Ocupado: %n archivo no se seleccionó. Vuelva a elegirlo cuando esto termine.</numerusform>
            <numerusform>Ocupado: %n archivos no se seleccionaron. Vuelva a elegirlos cuando esto termine.</numerusform>
        </translation>
    </message>
    <message>
        <source>There is no file at “%1”.</source>
        <translation>No hay ningún archivo en «%1».</translation>
    </message>
    <message>
        <source>Decrypting %1 of %2: %3</source>
        <translation>Descifrando el archivo %1 de %2: %3</translation>
    </message>
    <message>
        <source>Encrypting %1 of %2: %3</source>
        <translation>Cifrando el archivo %1 de %2: %3</translation>
    </message>
    <message>
        <source>Show in folder</source>
        <translation>Mostrar en la carpeta</translation>
    </message>
</context>
<context>
    <name>corvane::PasswordMeter</name>
    <message>
        <source>Password strength</source>
        <translation>Seguridad de la contraseña</translation>
    </message>
    <message>
        <source>How long one graphics card, trying 10 billion passwords a second, would need to reach this one when it tries dictionary words, names, dates and keyboard patterns first.</source>
        <translation>Cuánto tardaría una tarjeta gráfica que prueba 10&#xa0;000 millones de contraseñas por segundo en llegar a esta, si prueba primero palabras de diccionario, nombres, fechas y patrones de teclado.</translation>
    </message>
    <message>
        <source>less than a second</source>
        <translation>menos de un segundo</translation>
    </message>
    <message>
        <source>about 1 second</source>
        <translation>aproximadamente 1 segundo</translation>
    </message>
    <message numerus="yes">
        <source>about %n seconds</source>
        <translation>
            <numerusform>unos %n segundo</numerusform>
            <numerusform>unos %n segundos</numerusform>
        </translation>
    </message>
    <message>
        <source>about 1 minute</source>
        <translation>aproximadamente 1 minuto</translation>
    </message>
    <message numerus="yes">
        <source>about %n minutes</source>
        <translation>
            <numerusform>unos %n minuto</numerusform>
            <numerusform>unos %n minutos</numerusform>
        </translation>
    </message>
    <message>
        <source>about 1 hour</source>
        <translation>aproximadamente 1 hora</translation>
    </message>
    <message numerus="yes">
        <source>about %n hours</source>
        <translation>
            <numerusform>unas %n hora</numerusform>
            <numerusform>unas %n horas</numerusform>
        </translation>
    </message>
    <message>
        <source>about 1 day</source>
        <translation>aproximadamente 1 día</translation>
    </message>
    <message numerus="yes">
        <source>about %n days</source>
        <translation>
            <numerusform>unos %n día</numerusform>
            <numerusform>unos %n días</numerusform>
        </translation>
    </message>
    <message>
        <source>about 1 year</source>
        <translation>aproximadamente 1 año</translation>
    </message>
    <message numerus="yes">
        <source>about %n years</source>
        <translation>
            <numerusform>unos %n año</numerusform>
            <numerusform>unos %n años</numerusform>
        </translation>
    </message>
    <message>
        <source>thousands of years</source>
        <translation>miles de años</translation>
    </message>
    <message>
        <source>millions of years</source>
        <translation>millones de años</translation>
    </message>
    <message>
        <source>more than a billion years</source>
        <translation>más de mil millones de años</translation>
    </message>
    <message>
        <source>é is fine; letters from other scripts do not all count.</source>
        <translation>La é sirve; las letras de otras escrituras no cuentan todas.</translation>
    </message>
    <message>
        <source>Only the lowest 8 bits of each character enter the key: ф counts the same as D, so a password of such letters is much easier to guess than it looks.</source>
        <translation>Solo los 8 bits más bajos de cada carácter entran en la clave: ф cuenta igual que D, así que una contraseña con esas letras es mucho más fácil de adivinar de lo que parece.</translation>
    </message>
    <message>
        <source>Too short: a password has at least 6 characters.</source>
        <translation>Demasiado corta: una contraseña tiene al menos 6 caracteres.</translation>
    </message>
    <message>
        <source>Weak: one graphics card could guess it in %1.</source>
        <translation>Débil: una tarjeta gráfica tardaría %1 en adivinarla.</translation>
    </message>
    <message>
        <source>Fair: one graphics card could guess it in %1.</source>
        <translation>Aceptable: una tarjeta gráfica tardaría %1 en adivinarla.</translation>
    </message>
    <message>
        <source>Strong: one graphics card would need %1 to guess it.</source>
        <translation>Fuerte: una tarjeta gráfica tardaría %1 en adivinarla.</translation>
    </message>
</context>
<context>
    <name>corvane::Pictures</name>
    <message>
        <source>Password file encryption</source>
        <translation>Cifrado de archivos con contraseña</translation>
    </message>
    <message>
        <source>One file, one password, in place.</source>
        <translation>Un archivo, una contraseña, en su sitio.</translation>
    </message>
</context>
<context>
    <name>corvane::QtHost</name>
    <message>
        <source>The Korbit control could not complete %1: %2</source>
        <translation>El componente Korbit no pudo completar %1: %2</translation>
    </message>
</context>
<context>
    <name>corvane::RunReport</name>
    <message>
        <source>%1 is encrypted.</source>
        <translation>%1 está cifrado.</translation>
    </message>
    <message>
        <source>%1 is decrypted.</source>
        <translation>%1 está descifrado.</translation>
    </message>
    <message>
        <source>Cancelled: %1 is as it was.</source>
        <translation>Cancelado: %1 está como estaba.</translation>
    </message>
    <message>
        <source>Wrong password: nothing was changed.</source>
        <translation>Contraseña incorrecta: no se cambió nada.</translation>
    </message>
    <message>
        <source>%1 was not encrypted.</source>
        <translation>%1 no se cifró.</translation>
    </message>
    <message>
        <source>%1 was not decrypted.</source>
        <translation>%1 no se descifró.</translation>
    </message>
    <message>
        <source>%1 was not encrypted: %2</source>
        <translation>%1 no se cifró: %2</translation>
    </message>
    <message>
        <source>%1 was not decrypted: %2</source>
        <translation>%1 no se descifró: %2</translation>
    </message>
    <message numerus="yes">
        <source>All %n files are encrypted.</source>
        <translation>
            <numerusform>%n archivo está cifrado.</numerusform>
            <numerusform>Los %n archivos están cifrados.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>All %n files are decrypted.</source>
        <translation>
            <numerusform>%n archivo está descifrado.</numerusform>
            <numerusform>Los %n archivos están descifrados.</numerusform>
        </translation>
    </message>
    <message>
        <source>All %1 files are done: %2 encrypted, %3 decrypted.</source>
        <translation>Los %1 archivos están listos: %2 cifrados, %3 descifrados.</translation>
    </message>
    <message>
        <source>Done: %1 of %2 files.</source>
        <translation>Terminados: %1 de %2 archivos.</translation>
    </message>
    <message>
        <source>%1: cancelled; it is as it was.</source>
        <translation>%1: cancelado; está como estaba.</translation>
    </message>
    <message>
        <source>%1: wrong password; nothing was changed.</source>
        <translation>%1: contraseña incorrecta; no se cambió nada.</translation>
    </message>
    <message>
        <source>%1: not started, since the run was cancelled.</source>
        <translation>%1: no se inició, porque se canceló la operación.</translation>
    </message>
    <message>
        <source>%1: not encrypted.</source>
        <translation>%1: no cifrado.</translation>
    </message>
    <message>
        <source>%1: not decrypted.</source>
        <translation>%1: no descifrado.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>corvane::RuntimeFolder</name>
    <message>
        <source>%1 has a name that is no UTF-8</source>
        <translation>%1 tiene un nombre que no es UTF-8</translation>
    </message>
</context>
<context>
    <name>corvane::main</name>
    <message>
        <source>The program cannot start:
%1</source>
        <translation>El programa no puede iniciarse:
%1</translation>
    </message>
    <message>
        <source>the running copy is busy; %1 was not selected</source>
        <translation>la instancia en ejecución está ocupada; %1 no se seleccionó</translation>
    </message>
    <message>
        <source>the running copy is busy; %1 were not selected</source>
        <translation>la instancia en ejecución está ocupada; %1 no se seleccionaron</translation>
    </message>
    <message>
        <source>%1 is not a file</source>
        <translation>%1 no es un archivo</translation>
    </message>
    <message>
        <source>none of %1 is a file</source>
        <translation>ninguno de %1 es un archivo</translation>
    </message>
    <message>
        <source>the running copy did not answer; %1 was not selected</source>
        <translation>la instancia en ejecución no respondió; %1 no se seleccionó</translation>
    </message>
    <message>
        <source>the running copy did not answer; %1 were not selected</source>
        <translation>la instancia en ejecución no respondió; %1 no se seleccionaron</translation>
    </message>
    <message>
        <source>%1; this copy runs on its own and takes no files from later copies</source>
        <translation>%1; esta instancia funciona por su cuenta y no acepta archivos de las que se inicien después</translation>
    </message>
</context>
<context>
    <name>korbit::control</name>
    <message>
        <source>Invalid Password!!!</source>
        <translation>¡¡¡Contraseña no válida!!!</translation>
    </message>
</context>
</TS>
