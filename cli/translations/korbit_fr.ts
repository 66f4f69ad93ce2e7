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
</TS>
