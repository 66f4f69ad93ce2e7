<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>korbit</name>
    <message>
        <source>Passwords must be 6 or more characters!</source>
        <translation>Les mots de passe doivent comporter au moins 6 caractères !</translation>
    </message>
    <message>
        <source>Passwords must be 26 or fewer characters!</source>
        <translation>Les mots de passe doivent comporter au plus 26 caractères !</translation>
    </message>
    <message>
        <source>This password holds characters beyond U+00FF. Only the lowest 8 bits of each character enter the key, so each such character counts the same as 255 others: &quot;фффффф&quot; and &quot;DDDDDD&quot; are the same password.</source>
        <translation>Ce mot de passe contient des caractères au-delà de U+00FF. Seuls les 8 bits de poids faible de chaque caractère entrent dans la clé : chacun de ces caractères compte donc autant que 255 autres, et « фффффф » et « DDDDDD » sont le même mot de passe.</translation>
    </message>
    <message>
        <source>less than a second</source>
        <translation>moins d’une seconde</translation>
    </message>
    <message numerus="yes">
        <source>about %n seconds</source>
        <translation>
            <numerusform>environ %n seconde</numerusform>
            <numerusform>environ %n secondes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n minutes</source>
        <translation>
            <numerusform>environ %n minute</numerusform>
            <numerusform>environ %n minutes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n hours</source>
        <translation>
            <numerusform>environ %n heure</numerusform>
            <numerusform>environ %n heures</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n days</source>
        <translation>
            <numerusform>environ %n jour</numerusform>
            <numerusform>environ %n jours</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n years</source>
        <translation>
            <numerusform>environ %n an</numerusform>
            <numerusform>environ %n ans</numerusform>
        </translation>
    </message>
    <message>
        <source>Weak: one graphics card could guess it in %1.</source>
        <translation>Faible : il faudrait %1 à une carte graphique pour le deviner.</translation>
    </message>
    <message>
        <source>Password: </source>
        <translation>Mot de passe : </translation>
    </message>
    <message>
        <source>no password given</source>
        <translation>aucun mot de passe fourni</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>avertissement : %1</translation>
    </message>
    <message>
        <source>Password again: </source>
        <translation>Confirmer le mot de passe : </translation>
    </message>
    <message>
        <source>the passwords do not match</source>
        <translation>les mots de passe ne correspondent pas</translation>
    </message>
    <message>
        <source>no password after %1 tries; nothing was changed</source>
        <translation>aucun mot de passe après %1 essais ; rien n’a été modifié</translation>
    </message>
    <message>
        <source>no password given: %1 holds no line</source>
        <translation>aucun mot de passe fourni : %1 ne contient aucune ligne</translation>
    </message>
    <message>
        <source>Try &apos;korbit --help&apos;.</source>
        <translation>Voir &apos;korbit --help&apos;.</translation>
    </message>
    <message>
        <source>--answer needs a value: ok, yes, no or cancel</source>
        <translation>--answer demande une valeur : ok, yes, no ou cancel</translation>
    </message>
    <message>
        <source>--password-file needs the name of a file</source>
        <translation>--password-file demande le nom d’un fichier</translation>
    </message>
    <message>
        <source>--password-fd needs the number of an open file descriptor</source>
        <translation>--password-fd demande le numéro d’un descripteur de fichier ouvert</translation>
    </message>
    <message>
        <source>%1 needs a file to write, or - for standard output</source>
        <translation>%1 demande un fichier à écrire, ou - pour la sortie standard</translation>
    </message>
    <message>
        <source>give one of --password-stdin, --password-file and --password-fd</source>
        <translation>indiquez une seule des options --password-stdin, --password-file et --password-fd</translation>
    </message>
    <message>
        <source>--password-fd takes the number of an open file descriptor, not &apos;%1&apos;</source>
        <translation>--password-fd attend le numéro d’un descripteur de fichier ouvert, pas &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--answer takes ok, yes, no or cancel, not &apos;%1&apos;</source>
        <translation>--answer attend ok, yes, no ou cancel, pas &apos;%1&apos;</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>option inconnue &apos;%1&apos;</translation>
    </message>
    <message>
        <source>%1 needs at least one FILE</source>
        <translation>%1 demande au moins un fichier (FILE)</translation>
    </message>
    <message>
        <source>- (standard input) takes one FILE</source>
        <translation>- (entrée standard) ne va qu’avec un seul fichier (FILE)</translation>
    </message>
    <message>
        <source>-o takes one FILE</source>
        <translation>-o ne va qu’avec un seul fichier (FILE)</translation>
    </message>
    <message>
        <source>--force goes with -o OUT</source>
        <translation>--force ne s’emploie qu’avec -o OUT</translation>
    </message>
    <message>
        <source>standard input carries the data: give --password-file FILE or --password-fd N, or type the password at the terminal</source>
        <translation>l’entrée standard fournit les données : indiquez --password-file FILE ou --password-fd N, ou saisissez le mot de passe au terminal</translation>
    </message>
    <message>
        <source>a container is no text for the terminal: give -o FILE or redirect standard output</source>
        <translation>un fichier chiffré n’est pas du texte pour le terminal : indiquez -o FILE ou redirigez la sortie standard</translation>
    </message>
    <message>
        <source>%1: encrypted already; use &apos;korbit decrypt&apos;</source>
        <translation>%1 : déjà chiffré ; utilisez &apos;korbit decrypt&apos;</translation>
    </message>
    <message>
        <source>%1: not encrypted; use &apos;korbit encrypt&apos;</source>
        <translation>%1 : non chiffré ; utilisez &apos;korbit encrypt&apos;</translation>
    </message>
    <message>
        <source>no password: there is no terminal to ask at; give --password-stdin, --password-file FILE or --password-fd N</source>
        <translation>aucun mot de passe : il n’y a pas de terminal où le demander ; indiquez --password-stdin, --password-file FILE ou --password-fd N</translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>entrée standard</translation>
    </message>
    <message>
        <source>file descriptor %1</source>
        <translation>descripteur de fichier %1</translation>
    </message>
    <message>
        <source>%1: encrypted</source>
        <translation>%1 : chiffré</translation>
    </message>
    <message>
        <source>%1: decrypted</source>
        <translation>%1 : déchiffré</translation>
    </message>
    <message>
        <source>%1: cancelled; the file is as it was</source>
        <translation>%1 : annulé ; le fichier est resté tel quel</translation>
    </message>
    <message>
        <source>%1: not encrypted</source>
        <translation>%1 : n’a pas été chiffré</translation>
    </message>
    <message>
        <source>%1: not decrypted</source>
        <translation>%1 : n’a pas été déchiffré</translation>
    </message>
    <message>
        <source>--dates needs a value: iso or days</source>
        <translation>--dates demande une valeur : iso ou days</translation>
    </message>
    <message>
        <source>--secret-fd needs the number of an open file descriptor</source>
        <translation>--secret-fd demande le numéro d’un descripteur de fichier ouvert</translation>
    </message>
    <message>
        <source>--dates takes iso or days, not &apos;%1&apos;</source>
        <translation>--dates attend iso ou days, pas &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--secret-fd takes the number of an open file descriptor, not &apos;%1&apos;</source>
        <translation>--secret-fd attend le numéro d’un descripteur de fichier ouvert, pas &apos;%1&apos;</translation>
    </message>
    <message>
        <source>script takes one file (or - for standard input)</source>
        <translation>script attend un fichier (ou - pour l’entrée standard)</translation>
    </message>
    <message>
        <source>standard input carries the script: give the secrets another file descriptor</source>
        <translation>l’entrée standard fournit le script : indiquez un autre descripteur de fichier pour les arguments secrets</translation>
    </message>
    <message>
        <source>cannot read &apos;%1&apos;</source>
        <translation>impossible de lire &apos;%1&apos;</translation>
    </message>
    <message>
        <source>libkorbit.so was not found beside this program or in its installation</source>
        <translation>libkorbit.so est introuvable, ni à côté de ce programme ni dans son installation</translation>
    </message>
    <message>
        <source>help takes one name: a command, a method, an enumeration or a record</source>
        <translation>help attend un nom : une commande, une méthode, une énumération ou un enregistrement</translation>
    </message>
    <message>
        <source>no command, method, class, enumeration or record is named &apos;%1&apos;</source>
        <translation>aucune commande, méthode, classe, énumération ni aucun enregistrement ne s’appelle &apos;%1&apos;</translation>
    </message>
    <message>
        <source>methods takes only --json</source>
        <translation>methods n’accepte que --json</translation>
    </message>
    <message>
        <source>%1 takes no arguments</source>
        <translation>%1 n’accepte aucun argument</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>commande inconnue &apos;%1&apos;</translation>
    </message>
    <message>
        <source>%1 left</source>
        <translation>encore %1</translation>
    </message>
    <message>
        <source>%1 is a folder: only files can be encrypted.</source>
        <translation>%1 est un dossier : seuls des fichiers peuvent être chiffrés.</translation>
    </message>
    <message>
        <source>%1 is a folder: only files can be decrypted.</source>
        <translation>%1 est un dossier : seuls des fichiers peuvent être déchiffrés.</translation>
    </message>
    <message>
        <source>%1: This file is too large to encrypt: 64 GB at most.</source>
        <translation>%1 : ce fichier est trop volumineux pour être chiffré : 64 Go au plus.</translation>
    </message>
    <message>
        <source>%1 is a folder: give the name of a file to write.</source>
        <translation>%1 est un dossier : indiquez le nom du fichier à écrire.</translation>
    </message>
    <message>
        <source>%1 exists: give --force to replace it.</source>
        <translation>%1 existe déjà : indiquez --force pour le remplacer.</translation>
    </message>
    <message>
        <source>standard output</source>
        <translation>sortie standard</translation>
    </message>
    <message>
        <source>%1: encrypted to %2</source>
        <translation>%1 : chiffré dans %2</translation>
    </message>
    <message>
        <source>%1: decrypted to %2</source>
        <translation>%1 : déchiffré dans %2</translation>
    </message>
    <message>
        <source>%1: cancelled; %2 was not written</source>
        <translation>%1 : annulé ; %2 n’a pas été écrit</translation>
    </message>
    <message>
        <source>%1: cancelled; standard output is incomplete</source>
        <translation>%1 : annulé ; la sortie standard est incomplète</translation>
    </message>
</context>
<context>
    <name>korbit::help</name>
    <message>
        <source>read the method&apos;s argument NAME as one line from standard input (or from --secret-fd) instead of the command line, where every process list shows it; it is never printed back. The ARGUMENTs fill the other arguments in order. At a terminal it is asked for and not shown as it is typed. May be repeated.</source>
        <translation>lit l’argument NAME de la méthode comme une ligne de l’entrée standard (ou de --secret-fd) au lieu de la ligne de commande, où toute liste de processus le montre ; il n’est jamais réaffiché. Les ARGUMENT remplissent les autres arguments dans l’ordre. Au terminal, il est demandé et ne s’affiche pas pendant la saisie. Peut être répété.</translation>
    </message>
    <message>
        <source>read what --secret reads from the open file descriptor N instead of standard input</source>
        <translation>lit ce que lit --secret depuis le descripteur de fichier ouvert N au lieu de l’entrée standard</translation>
    </message>
    <message>
        <source>how the dates of the output are written: iso as ISO 8601 local time without a zone, 2024-02-29T10:15:00, or days (the default) as the number of days since 30 December 1899</source>
        <translation>la façon d’écrire les dates de la sortie : iso en heure locale ISO 8601 sans fuseau horaire, 2024-02-29T10:15:00, ou days (par défaut) en nombre de jours depuis le 30 décembre 1899</translation>
    </message>
    <message>
        <source>the answer every message box of the control gets. Without it, the person at the terminal is asked, and where there is nobody to ask every box gets the answer that changes nothing.</source>
        <translation>la réponse que reçoit chaque boîte de message du composant. Sans elle, la personne au terminal est interrogée, et là où il n’y a personne à interroger, chaque boîte reçoit la réponse qui ne change rien.</translation>
    </message>
    <message>
        <source>write to OUT (one FILE only) and keep FILE; - writes standard output. OUT is written beside itself and renamed into place when complete: a failure or Ctrl-C leaves no OUT, and a link at OUT is replaced, not followed. An existing OUT is refused unless --force is given.</source>
        <translation>écrit dans OUT (un seul FILE) et garde FILE ; - écrit sur la sortie standard. OUT est écrit à côté de lui-même, puis renommé à sa place une fois complet : un échec ou Ctrl+C ne laisse aucun OUT, et un lien à l’emplacement de OUT est remplacé, pas suivi. Un OUT existant est refusé, sauf avec --force.</translation>
    </message>
    <message>
        <source>with -o, replace an OUT that exists</source>
        <translation>avec -o, remplace un OUT existant</translation>
    </message>
    <message>
        <source>read the password from the first line of standard input (not with FILE -)</source>
        <translation>lit le mot de passe sur la première ligne de l’entrée standard (pas avec FILE -)</translation>
    </message>
    <message>
        <source>read the password from the first line of FILE</source>
        <translation>lit le mot de passe sur la première ligne de FILE</translation>
    </message>
    <message>
        <source>read the password from the first line of the open file descriptor N</source>
        <translation>lit le mot de passe sur la première ligne du descripteur de fichier ouvert N</translation>
    </message>
    <message>
        <source>encrypt and decrypt files with a password, and call the Korbit control library</source>
        <translation>chiffrer et déchiffrer des fichiers avec un mot de passe, et appeler le composant Korbit</translation>
    </message>
    <message>
        <source>korbit is the command-line host of the Korbit control library, the engine of the Corvane desktop program. It encrypts and decrypts files in place, in the same format as Corvane, and calls any of the library&apos;s methods by name, printing the result as JSON. &apos;korbit help METHOD&apos; tells what a method does.</source>
        <translation>korbit est le programme en ligne de commande du composant Korbit, le moteur du programme de bureau Corvane. Il chiffre et déchiffre des fichiers sur place, dans le même format que Corvane, et appelle n’importe quelle méthode du composant par son nom, en affichant le résultat en JSON. &apos;korbit help METHOD&apos; dit ce que fait une méthode.</translation>
    </message>
    <message>
        <source>encrypt files in place with a password</source>
        <translation>chiffrer des fichiers sur place avec un mot de passe</translation>
    </message>
    <message>
        <source>The password (6 to 26 characters, case sensitive, the same rule as Corvane&apos;s) is asked twice at the terminal, with a warning when it would be guessed soon; a password too short or too long, or two that differ, is asked again, three tries in all. Each file keeps its name, folder, owner, group and extended attributes, and is read-only afterwards. Ctrl-C cancels, and a wrong password or any failure stops the run: the file being worked on stays exactly as it was, permissions included. A file that another program changes during the run is left as that program made it. An interrupted rewrite of a file with several names is completed by the next run on it, which says so. A file that cannot be encrypted (a folder, a device, a kernel interface file, one you may not change) is refused with the reason before the password is asked for.

With -o OUT the container is written to OUT and FILE is kept as it is. FILE - reads standard input and -o - (the default for FILE -) writes standard output; the container of standard input stores the extension &quot;.&quot; and no attributes, and a stream beyond the format&apos;s 64 GiB stops with an error.

  korbit encrypt -o report.pdf.xje report.pdf
  tar c photos | korbit encrypt -o photos.tar.xje -

Exit status: 0 every file done, 1 a file refused or failed, 2 usage error or no password source, 130 Ctrl-C.</source>
        <translation>Le mot de passe (6 à 26 caractères, sensible à la casse, la même règle que dans Corvane) est demandé deux fois au terminal, avec un avertissement s’il serait vite deviné ; un mot de passe trop court ou trop long, ou deux mots de passe différents, sont redemandés, trois essais en tout. Chaque fichier garde son nom, son dossier, son propriétaire, son groupe et ses attributs étendus, et passe ensuite en lecture seule. Ctrl+C annule, et un mot de passe incorrect ou un échec quelconque arrête l’opération : le fichier en cours reste exactement tel qu’il était, droits compris. Un fichier qu’un autre programme modifie pendant l’opération reste tel que ce programme l’a laissé. La réécriture interrompue d’un fichier à plusieurs noms est achevée par l’opération suivante sur ce fichier, qui le signale. Un fichier qui ne peut pas être chiffré (un dossier, un périphérique, un fichier d’interface du noyau, un fichier que vous n’avez pas le droit de modifier) est refusé, avec la raison, avant que le mot de passe ne soit demandé.

Avec -o OUT, le fichier chiffré est écrit dans OUT et FILE reste tel quel. FILE - lit l’entrée standard et -o - (par défaut avec FILE -) écrit sur la sortie standard ; le fichier chiffré issu de l’entrée standard enregistre l’extension &quot;.&quot; et aucun attribut, et un flux qui dépasse les 64 Gio du format s’arrête sur une erreur.

  korbit encrypt -o report.pdf.xje report.pdf
  tar c photos | korbit encrypt -o photos.tar.xje -

Code de retour : 0 tous les fichiers traités, 1 un fichier refusé ou en échec, 2 erreur d’utilisation ou aucune source de mot de passe, 130 Ctrl+C.</translation>
    </message>
    <message>
        <source>no progress line and no line per finished file</source>
        <translation>ni ligne de progression, ni ligne par fichier terminé</translation>
    </message>
    <message>
        <source>decrypt files in place</source>
        <translation>déchiffrer des fichiers sur place</translation>
    </message>
    <message>
        <source>The password (6 characters or more) is asked once; at the terminal a shorter one is asked again, three tries in all. A wrong password is refused before anything is written. Decryption gives back the file&apos;s content and its read-only state: a file that was writable gets write permission back for those who may read it, within the umask. Ctrl-C cancels and leaves the file as it was.

With -o OUT the plain file is written to OUT and the container is kept; FILE - reads standard input and -o - writes standard output.

  korbit decrypt -o - photos.tar.xje | tar x

Exit status: 0 every file done, 1 a wrong password or a file refused or failed, 2 usage error or no password source, 130 Ctrl-C.</source>
        <translation>Le mot de passe (6 caractères ou plus) est demandé une fois ; au terminal, un mot de passe plus court est redemandé, trois essais en tout. Un mot de passe incorrect est refusé avant que quoi que ce soit ne soit écrit. Le déchiffrement rétablit le contenu du fichier et son état de lecture seule d’origine : un fichier qui était modifiable retrouve le droit d’écriture pour ceux qui peuvent le lire, dans la mesure où l’umask le permet. Ctrl+C annule et laisse le fichier tel qu’il était.

Avec -o OUT, le fichier en clair est écrit dans OUT et le fichier chiffré est gardé ; FILE - lit l’entrée standard et -o - écrit sur la sortie standard.

  korbit decrypt -o - photos.tar.xje | tar x

Code de retour : 0 tous les fichiers traités, 1 un mot de passe incorrect ou un fichier refusé ou en échec, 2 erreur d’utilisation ou aucune source de mot de passe, 130 Ctrl+C.</translation>
    </message>
    <message>
        <source>list every method of the control and of its two classes</source>
        <translation>lister toutes les méthodes du composant et de ses deux classes</translation>
    </message>
    <message>
        <source>One line per member: its dispatch identifier, its name, its arguments with their types and defaults, and its result, with what it does differently on Linux below it. &apos;korbit help METHOD&apos; tells all about one method.</source>
        <translation>Une ligne par membre : son identifiant de dispatch, son nom, ses arguments avec leurs types et leurs valeurs par défaut, et son résultat, avec en dessous ce qu’il fait autrement sous Linux. &apos;korbit help METHOD&apos; dit tout d’une méthode.</translation>
    </message>
    <message>
        <source>print the list as one JSON document instead, with each member&apos;s entry of the method reference (summary, the meaning of each argument, result, failures, what it does on Linux, traps) and every enumeration and record</source>
        <translation>affiche plutôt la liste comme un seul document JSON, avec l’entrée de chaque membre dans la référence des méthodes (résumé, sens de chaque argument, résultat, échecs, comportement sous Linux, pièges) et chaque énumération et chaque enregistrement</translation>
    </message>
    <message>
        <source>call one method late-bound and print the outcome as JSON</source>
        <translation>appeler une méthode par liaison tardive et afficher le résultat en JSON</translation>
    </message>
    <message>
        <source>Each ARGUMENT is read as the method declares it. For a String it is the text as it stands (4111111111111111 stays those digits); a JSON string in double quotes gives its text with JSON&apos;s escapes. For a Date, an ISO 8601 date, 2024-02-29 or 2024-02-29T10:15:00, is local time; one with a zone (Z, +01:00) is converted to local time. For an enumeration, a member&apos;s name (Math_Decimal) or its value. Otherwise an ARGUMENT is JSON: a number, a string, true or false, null, an array, or an object for a record; a bare word that is not JSON is taken as text. An argument the method gives back may be left out at the end or given as null: it starts empty and comes back under &quot;byref&quot;.

The output is one JSON object: the result, the by-reference arguments as the method left them (&quot;byref&quot;), the message boxes it showed (&quot;boxes&quot;) and the failures it reported (&quot;failures&quot;, each with the method and a description), or an error with its code and description. A call that reported a failure exits with status 1. Method names are not case sensitive; &apos;korbit help METHOD&apos; tells what a method takes and gives.

  korbit call GetFileExt /home/me/report.txt
  korbit call ConvertHexDecBinary 255 Math_Decimal Math_Hexidecimal
  korbit call --dates iso GetFileTimes /etc/hostname
  korbit call --secret MyPassword EncryptionRoutine2 report.pdf &lt;password.txt
  korbit call --class SHA256 SHA256 abc</source>
        <translation>Chaque ARGUMENT est lu comme la méthode le déclare. Pour un String, c’est le texte tel quel (4111111111111111 reste ces chiffres) ; une chaîne JSON entre guillemets doubles donne son texte avec les échappements de JSON. Pour une Date, une date ISO 8601, 2024-02-29 ou 2024-02-29T10:15:00, est en heure locale ; une date avec fuseau horaire (Z, +01:00) est convertie en heure locale. Pour une énumération, le nom d’un membre (Math_Decimal) ou sa valeur. Sinon, un ARGUMENT est du JSON : un nombre, une chaîne, true ou false, null, un tableau, ou un objet pour un enregistrement ; un mot seul qui n’est pas du JSON est pris comme texte. Un argument que la méthode rend peut être omis à la fin ou donné comme null : il part vide et revient sous &quot;byref&quot;.

La sortie est un seul objet JSON : le résultat, les arguments passés par référence tels que la méthode les a laissés (&quot;byref&quot;), les boîtes de message qu’elle a montrées (&quot;boxes&quot;) et les échecs qu’elle a signalés (&quot;failures&quot;, chacun avec la méthode et une description), ou bien une erreur avec son code et sa description. Un appel qui a signalé un échec se termine avec le code 1. Les noms de méthode ne sont pas sensibles à la casse ; &apos;korbit help METHOD&apos; dit ce qu’une méthode prend et rend.

  korbit call GetFileExt /home/me/report.txt
  korbit call ConvertHexDecBinary 255 Math_Decimal Math_Hexidecimal
  korbit call --dates iso GetFileTimes /etc/hostname
  korbit call --secret MyPassword EncryptionRoutine2 report.pdf &lt;password.txt
  korbit call --class SHA256 SHA256 abc</translation>
    </message>
    <message>
        <source>the class whose object is called (default: KorbitControl)</source>
        <translation>la classe dont l’objet est appelé (par défaut : KorbitControl)</translation>
    </message>
    <message>
        <source>set a property of the object before the call; may be repeated</source>
        <translation>définit une propriété de l’objet avant l’appel ; peut être répété</translation>
    </message>
    <message>
        <source>run one call per line, all on one control</source>
        <translation>exécuter un appel par ligne, tous sur le même composant</translation>
    </message>
    <message>
        <source>Each line of FILE (or of standard input) is a call as for &apos;korbit call&apos;, its words quoted as in the shell, the options of the call (--class, --set, --secret) before the method; blank lines and lines starting with # are skipped. One JSON line is printed per call, with the failures its method reported. Since the calls share one object, the state a method keeps carries over to the next line. The exit status is 1 when a call failed or reported a failure, 2 when a line could not be read as a call.

A --secret is read from standard input when the script is a file, and from --secret-fd when standard input carries the script; each reads the next line.</source>
        <translation>Chaque ligne de FILE (ou de l’entrée standard) est un appel comme pour &apos;korbit call&apos;, ses mots entre guillemets comme dans le shell, les options de l’appel (--class, --set, --secret) avant la méthode ; les lignes vides et celles qui commencent par # sont ignorées. Une ligne JSON est affichée par appel, avec les échecs que sa méthode a signalés. Comme les appels partagent un seul objet, l’état que garde une méthode se transmet à la ligne suivante. Le code de retour est 1 quand un appel a échoué ou signalé un échec, 2 quand une ligne n’a pas pu être lue comme un appel.

Un --secret est lu sur l’entrée standard quand le script est un fichier, et sur --secret-fd quand l’entrée standard fournit le script ; chacun lit la ligne suivante.</translation>
    </message>
    <message>
        <source>record the control library in this user&apos;s registry</source>
        <translation>inscrire le composant dans le registre de cet utilisateur</translation>
    </message>
    <message>
        <source>Writes the library beside this program into $XDG_DATA_HOME/korbit/registry.ini, with the interface version it was built for, so that other hosts can create its objects. The installed programs do not need it; a host passes over a registered library of another interface version for the one installed with it, and likewise a registry or a library that someone other than you or root could have put in place, naming the file it refused.</source>
        <translation>Écrit la bibliothèque située à côté de ce programme dans $XDG_DATA_HOME/korbit/registry.ini, avec la version d’interface pour laquelle elle a été construite, afin que d’autres programmes hôtes puissent créer ses objets. Les programmes installés n’en ont pas besoin ; un programme hôte écarte une bibliothèque inscrite d’une autre version d’interface au profit de celle installée avec lui, de même qu’un registre ou une bibliothèque que quelqu’un d’autre que vous ou root aurait pu mettre en place, et nomme le fichier refusé.</translation>
    </message>
    <message>
        <source>remove that record</source>
        <translation>supprimer cette inscription</translation>
    </message>
    <message>
        <source>show the help of a command, or the reference of a method, enumeration or record</source>
        <translation>afficher l’aide d’une commande, ou la référence d’une méthode, d’une énumération ou d’un enregistrement</translation>
    </message>
    <message>
        <source>For a method of the control or of its two classes: what it does, each argument with its type, passing, default and meaning, whether the method gives it back, its result, its failures, what it does on Linux and what is easily got wrong. For an enumeration its members with their values, for a record its fields with their types. Names are not case sensitive. The whole reference is the manual page korbit-methods(7).

  korbit help GetFileTimes
  korbit help MathTypes</source>
        <translation>Pour une méthode du composant ou de ses deux classes : ce qu’elle fait, chaque argument avec son type, son mode de passage, sa valeur par défaut et son sens, si la méthode le rend, son résultat, ses échecs, ce qu’elle fait sous Linux et les erreurs faciles à commettre. Pour une énumération, ses membres avec leurs valeurs ; pour un enregistrement, ses champs avec leurs types. Les noms ne sont pas sensibles à la casse. La référence complète est la page de manuel korbit-methods(7).

  korbit help GetFileTimes
  korbit help MathTypes</translation>
    </message>
    <message>
        <source>show the help; after a command, that command&apos;s help</source>
        <translation>affiche l’aide ; après une commande, l’aide de cette commande</translation>
    </message>
    <message>
        <source>show the version</source>
        <translation>affiche la version</translation>
    </message>
    <message>
        <source>EXIT STATUS</source>
        <extracomment>A heading, in capitals like every heading of the manual page; --help shows it with only its first letter capital.</extracomment>
        <translation>CODE DE RETOUR</translation>
    </message>
    <message>
        <source>0 success, 1 failure (the call or a file failed, the method reported a failure, a wrong password), 2 usage error (also: no password source, when there is no terminal to ask at and none of --password-stdin, --password-file and --password-fd is given), 130 interrupted by Ctrl-C (143 by SIGTERM): the file as it was, no OUT written.</source>
        <translation>0 succès, 1 échec (l’appel ou un fichier a échoué, la méthode a signalé un échec, un mot de passe incorrect), 2 erreur d’utilisation (aussi : aucune source de mot de passe, quand il n’y a pas de terminal où le demander et qu’aucune des options --password-stdin, --password-file et --password-fd n’est donnée), 130 interrompu par Ctrl+C (143 par SIGTERM) : le fichier tel qu’il était, aucun OUT écrit.</translation>
    </message>
    <message>
        <source>Usage:</source>
        <translation>Utilisation :</translation>
    </message>
    <message>
        <source>Commands:</source>
        <translation>Commandes :</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Options :</translation>
    </message>
    <message>
        <source>show this text</source>
        <translation>affiche ce texte</translation>
    </message>
    <message>
        <source>&apos;%1 COMMAND --help&apos; shows the options of a command.</source>
        <translation>&apos;%1 COMMAND --help&apos; montre les options d’une commande.</translation>
    </message>
    <message>
        <source>%1:</source>
        <extracomment>The heading of a section of --help, such as &quot;Exit status:&quot;; %1 is the section&apos;s title.</extracomment>
        <translation>%1 :</translation>
    </message>
</context>
</TS>
