<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>corvane::AppFolders</name>
    <message>
        <source>The application-data folder cannot be found or made: settings will not be kept.</source>
        <translation>Le dossier des données de l’application est introuvable et ne peut pas être créé&#xa0;: les réglages ne seront pas conservés.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation>Le dossier %1 ne peut pas être créé.</translation>
    </message>
    <message>
        <source>The settings file %1 cannot be made: settings will not be kept.</source>
        <translation>Le fichier de réglages %1 ne peut pas être créé&#xa0;: les réglages ne seront pas conservés.</translation>
    </message>
    <message>
        <source>The help page %1 cannot be written.</source>
        <translation>La page d’aide %1 ne peut pas être écrite.</translation>
    </message>
</context>
<context>
    <name>corvane::ConfirmPasswordDialog</name>
    <message>
        <source>Type the password again. Without it the file cannot be restored.</source>
        <translation>Saisissez de nouveau le mot de passe. Sans lui, le fichier ne peut pas être restauré.</translation>
    </message>
    <message>
        <source>Password again</source>
        <translation>Confirmer le mot de passe</translation>
    </message>
    <message>
        <source>The passwords do not match. Type it again, or press Escape to change the first one.</source>
        <translation>Les mots de passe ne correspondent pas. Saisissez de nouveau le mot de passe, ou appuyez sur Échap pour modifier le premier.</translation>
    </message>
    <message>
        <source>Encrypt</source>
        <translation>Chiffrer</translation>
    </message>
</context>
<context>
    <name>corvane::FileSelection</name>
    <message numerus="yes">
        <source>%n files: %1</source>
        <translation>
            <numerusform>%n fichier&#xa0;: %1</numerusform>
            <numerusform>%n fichiers&#xa0;: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Encrypt %1, decrypt %2</source>
        <translation>Chiffrer %1, déchiffrer %2</translation>
    </message>
    <message>
        <source>Decrypt</source>
        <translation>Déchiffrer</translation>
    </message>
    <message>
        <source>Encrypt</source>
        <translation>Chiffrer</translation>
    </message>
    <message>
        <source>Decrypt 1 file</source>
        <translation>Déchiffrer 1 fichier</translation>
    </message>
    <message numerus="yes">
        <source>Decrypt %n files</source>
        <translation>
            <numerusform>Déchiffrer %n fichier</numerusform>
            <numerusform>Déchiffrer %n fichiers</numerusform>
        </translation>
    </message>
    <message>
        <source>Encrypt 1 file</source>
        <translation>Chiffrer 1 fichier</translation>
    </message>
    <message numerus="yes">
        <source>Encrypt %n files</source>
        <translation>
            <numerusform>Chiffrer %n fichier</numerusform>
            <numerusform>Chiffrer %n fichiers</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>corvane::HelpWindow</name>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
</context>
<context>
    <name>corvane::InformationForm</name>
    <message>
        <source>%1 %2
Password file encryption
%3</source>
        <translation>%1 %2
Chiffrement de fichiers par mot de passe
%3</translation>
    </message>
</context>
<context>
    <name>corvane::LoadingForm</name>
    <message>
        <source>Loading</source>
        <translation>Chargement</translation>
    </message>
    <message>
        <source>Loading.</source>
        <translation>Chargement.</translation>
    </message>
    <message>
        <source>Loading..</source>
        <translation>Chargement..</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>Chargement...</translation>
    </message>
    <message>
        <source>Loading....</source>
        <translation>Chargement....</translation>
    </message>
    <message>
        <source>Corvane could not put its folders and files in place:

</source>
        <translation>Corvane n’a pas pu mettre en place ses dossiers et ses fichiers&#xa0;:

</translation>
    </message>
</context>
<context>
    <name>corvane::MainWindow</name>
    <message>
        <source>Ardentis, password file encryption</source>
        <translation>Ardentis, chiffrement de fichiers par mot de passe</translation>
    </message>
    <message>
        <source>File to encrypt or decrypt</source>
        <translation>Fichier à chiffrer ou à déchiffrer</translation>
    </message>
    <message>
        <source>Select File</source>
        <translation>Choisir un fichier</translation>
    </message>
    <message>
        <source>SHA-256 Bit Encryption U.S. Patent 6,829,355 </source>
        <translation>Chiffrement SHA-256 bits, brevet américain 6,829,355 </translation>
    </message>
    <message>
        <source>WARNING!!! DO NOT lose your password. The technology to restore your file without the password DOES NOT EXIST.</source>
        <translation>ATTENTION&#xa0;!!! NE PERDEZ PAS votre mot de passe. La technologie permettant de restaurer votre fichier sans le mot de passe N’EXISTE PAS.</translation>
    </message>
    <message>
        <source>Click to See</source>
        <translation>Cliquer pour voir</translation>
    </message>
    <message>
        <source>Velmora Software web site</source>
        <translation>Site web de Velmora Software</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informations</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Son</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Masquer</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Afficher</translation>
    </message>
    <message>
        <source>Hide password</source>
        <translation>Masquer le mot de passe</translation>
    </message>
    <message>
        <source>Show password</source>
        <translation>Afficher le mot de passe</translation>
    </message>
    <message>
        <source>Hide the password</source>
        <translation>Masquer le mot de passe</translation>
    </message>
    <message>
        <source>Show the password as typed</source>
        <translation>Afficher le mot de passe tel qu’il a été saisi</translation>
    </message>
    <message>
        <source>Suggest</source>
        <translation>Suggérer</translation>
    </message>
    <message>
        <source>Suggest a password</source>
        <translation>Suggérer un mot de passe</translation>
    </message>
    <message>
        <source>Fills in a random password that one graphics card would need more than a billion years to guess. Write it down: without it the file cannot be restored.</source>
        <translation>Saisit un mot de passe aléatoire qu’une carte graphique mettrait plus d’un milliard d’années à deviner. Notez-le&#xa0;: sans lui, le fichier ne peut pas être restauré.</translation>
    </message>
    <message>
        <source>Encrypt</source>
        <translation>Chiffrer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progression</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>Sound on</source>
        <translation>Son activé</translation>
    </message>
    <message>
        <source>Sound off</source>
        <translation>Son désactivé</translation>
    </message>
    <message>
        <source>Not taken: a password has at most 26 characters.</source>
        <translation>Non pris en compte&#xa0;: un mot de passe a au plus 26 caractères.</translation>
    </message>
    <message>
        <source>26 characters: the most a password can have.</source>
        <translation>26 caractères&#xa0;: le maximum pour un mot de passe.</translation>
    </message>
    <message>
        <source>Passwords must be 6 or more characters!</source>
        <translation>Les mots de passe doivent comporter au moins 6 caractères&#xa0;!</translation>
    </message>
    <message>
        <source>Passwords are case sensitive and must be 6 or more characters!</source>
        <translation>Les mots de passe distinguent majuscules et minuscules et doivent comporter au moins 6 caractères&#xa0;!</translation>
    </message>
    <message>
        <source>Password Entry</source>
        <translation>Saisie du mot de passe</translation>
    </message>
    <message>
        <source>Busy: “%1” was not selected. Choose it again when this is done.</source>
        <translation>Occupé&#xa0;: «&#xa0;%1&#xa0;» n’a pas été sélectionné. Choisissez-le de nouveau quand ce sera terminé.</translation>
    </message>
    <message numerus="yes">
        <source>Busy: %n files were not selected. Choose them again when this is done.</source>
        <translation>
            <numerusform>Occupé&#xa0;: %n fichier n’a pas été sélectionné. Choisissez-le de nouveau quand ce sera terminé.</numerusform>
            <numerusform>Occupé&#xa0;: %n fichiers n’ont pas été sélectionnés. Choisissez-les de nouveau quand ce sera terminé.</numerusform>
        </translation>
    </message>
    <message>
        <source>There is no file at “%1”.</source>
        <translation>Il n’y a aucun fichier à «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Decrypting %1 of %2: %3</source>
        <translation>Déchiffrement du fichier %1 sur %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>Encrypting %1 of %2: %3</source>
        <translation>Chiffrement du fichier %1 sur %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>Show in folder</source>
        <translation>Afficher dans le dossier</translation>
    </message>
</context>
<context>
    <name>corvane::PasswordMeter</name>
    <message>
        <source>Password strength</source>
        <translation>Robustesse du mot de passe</translation>
    </message>
    <message>
        <source>How long one graphics card, trying 10 billion passwords a second, would need to reach this one when it tries dictionary words, names, dates and keyboard patterns first.</source>
        <translation>Le temps qu’il faudrait à une carte graphique qui teste 10 milliards de mots de passe par seconde pour arriver à celui-ci, si elle essaie d’abord les mots du dictionnaire, les noms, les dates et les motifs de clavier.</translation>
    </message>
    <message>
        <source>less than a second</source>
        <translation>moins d’une seconde</translation>
    </message>
    <message>
        <source>about 1 second</source>
        <translation>environ 1 seconde</translation>
    </message>
    <message numerus="yes">
        <source>about %n seconds</source>
        <translation>
            <numerusform>environ %n seconde</numerusform>
            <numerusform>environ %n secondes</numerusform>
        </translation>
    </message>
    <message>
        <source>about 1 minute</source>
        <translation>environ 1 minute</translation>
    </message>
    <message numerus="yes">
        <source>about %n minutes</source>
        <translation>
            <numerusform>environ %n minute</numerusform>
            <numerusform>environ %n minutes</numerusform>
        </translation>
    </message>
    <message>
        <source>about 1 hour</source>
        <translation>environ 1 heure</translation>
    </message>
    <message numerus="yes">
        <source>about %n hours</source>
        <translation>
            <numerusform>environ %n heure</numerusform>
            <numerusform>environ %n heures</numerusform>
        </translation>
    </message>
    <message>
        <source>about 1 day</source>
        <translation>environ 1 jour</translation>
    </message>
    <message numerus="yes">
        <source>about %n days</source>
        <translation>
            <numerusform>environ %n jour</numerusform>
            <numerusform>environ %n jours</numerusform>
        </translation>
    </message>
    <message>
        <source>about 1 year</source>
        <translation>environ 1 an</translation>
    </message>
    <message numerus="yes">
        <source>about %n years</source>
        <translation>
            <numerusform>environ %n an</numerusform>
            <numerusform>environ %n ans</numerusform>
        </translation>
    </message>
    <message>
        <source>thousands of years</source>
        <translation>des milliers d’années</translation>
    </message>
    <message>
        <source>millions of years</source>
        <translation>des millions d’années</translation>
    </message>
    <message>
        <source>more than a billion years</source>
        <translation>plus d’un milliard d’années</translation>
    </message>
    <message>
        <source>é is fine; letters from other scripts do not all count.</source>
        <translation>é convient&#xa0;; les lettres d’autres écritures ne comptent pas toutes.</translation>
    </message>
    <message>
        <source>Only the lowest 8 bits of each character enter the key: ф counts the same as D, so a password of such letters is much easier to guess than it looks.</source>
        <translation>Seuls les 8 bits de poids faible de chaque caractère entrent dans la clé&#xa0;: ф compte comme D, si bien qu’un mot de passe fait de telles lettres est bien plus facile à deviner qu’il n’y paraît.</translation>
    </message>
    <message>
        <source>Too short: a password has at least 6 characters.</source>
        <translation>Trop court&#xa0;: un mot de passe a au moins 6 caractères.</translation>
    </message>
    <message>
        <source>Weak: one graphics card could guess it in %1.</source>
        <translation>Faible&#xa0;: il faudrait %1 à une carte graphique pour le deviner.</translation>
    </message>
    <message>
        <source>Fair: one graphics card could guess it in %1.</source>
        <translation>Moyen&#xa0;: il faudrait %1 à une carte graphique pour le deviner.</translation>
    </message>
    <message>
        <source>Strong: one graphics card would need %1 to guess it.</source>
        <translation>Fort&#xa0;: il faudrait %1 à une carte graphique pour le deviner.</translation>
    </message>
</context>
<context>
    <name>corvane::Pictures</name>
    <message>
        <source>Password file encryption</source>
        <translation>Chiffrement de fichiers par mot de passe</translation>
    </message>
    <message>
        <source>One file, one password, in place.</source>
        <translation>Un fichier, un mot de passe, sur place.</translation>
    </message>
</context>
<context>
    <name>corvane::QtHost</name>
    <message>
        <source>The Korbit control could not complete %1: %2</source>
        <translation>Le composant Korbit n’a pas pu mener à bien %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>corvane::RunReport</name>
    <message>
        <source>%1 is encrypted.</source>
        <translation>%1 est chiffré.</translation>
    </message>
    <message>
        <source>%1 is decrypted.</source>
        <translation>%1 est déchiffré.</translation>
    </message>
    <message>
        <source>Cancelled: %1 is as it was.</source>
        <translation>Annulé&#xa0;: %1 est resté tel quel.</translation>
    </message>
    <message>
        <source>Wrong password: nothing was changed.</source>
        <translation>Mot de passe incorrect&#xa0;: rien n’a été modifié.</translation>
    </message>
    <message>
        <source>%1 was not encrypted.</source>
        <translation>%1 n’a pas été chiffré.</translation>
    </message>
    <message>
        <source>%1 was not decrypted.</source>
        <translation>%1 n’a pas été déchiffré.</translation>
    </message>
    <message>
        <source>%1 was not encrypted: %2</source>
        <translation>%1 n’a pas été chiffré&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 was not decrypted: %2</source>
        <translation>%1 n’a pas été déchiffré&#xa0;: %2</translation>
    </message>
    <message numerus="yes">
        <source>All %n files are encrypted.</source>
        <translation>
            <numerusform>%n fichier est chiffré.</numerusform>
            <numerusform>Les %n fichiers sont chiffrés.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>All %n files are decrypted.</source>
        <translation>
            <numerusform>%n fichier est déchiffré.</numerusform>
            <numerusform>Les %n fichiers sont déchiffrés.</numerusform>
        </translation>
    </message>
    <message>
        <source>All %1 files are done: %2 encrypted, %3 decrypted.</source>
        <translation>Les %1 fichiers sont traités&#xa0;: %2 chiffrés, %3 déchiffrés.</translation>
    </message>
    <message>
        <source>Done: %1 of %2 files.</source>
        <translation>Terminé&#xa0;: %1 fichiers sur %2.</translation>
    </message>
    <message>
        <source>%1: cancelled; it is as it was.</source>
        <translation>%1&#xa0;: annulé&#xa0;; il est resté tel quel.</translation>
    </message>
    <message>
        <source>%1: wrong password; nothing was changed.</source>
        <translation>%1&#xa0;: mot de passe incorrect&#xa0;; rien n’a été modifié.</translation>
    </message>
    <message>
        <source>%1: not started, since the run was cancelled.</source>
        <translation>%1&#xa0;: non commencé, car l’opération a été annulée.</translation>
    </message>
    <message>
        <source>%1: not encrypted.</source>
        <translation>%1&#xa0;: non chiffré.</translation>
    </message>
    <message>
        <source>%1: not decrypted.</source>
        <translation>%1&#xa0;: non déchiffré.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>corvane::RuntimeFolder</name>
    <message>
        <source>%1 has a name that is no UTF-8</source>
        <translation>%1 a un nom qui n’est pas en UTF-8</translation>
    </message>
</context>
<context>
    <name>corvane::main</name>
    <message>
        <source>The program cannot start:
%1</source>
        <translation>Le programme ne peut pas démarrer&#xa0;:
%1</translation>
    </message>
    <message>
        <source>the running copy is busy; %1 was not selected</source>
        <translation>l’instance en cours est occupée&#xa0;; %1 n’a pas été sélectionné</translation>
    </message>
    <message>
        <source>the running copy is busy; %1 were not selected</source>
        <translation>l’instance en cours est occupée&#xa0;; %1 n’ont pas été sélectionnés</translation>
    </message>
    <message>
        <source>%1 is not a file</source>
        <translation>%1 n’est pas un fichier</translation>
    </message>
    <message>
        <source>none of %1 is a file</source>
        <translation>aucun de %1 n’est un fichier</translation>
    </message>
    <message>
        <source>the running copy did not answer; %1 was not selected</source>
        <translation>l’instance en cours n’a pas répondu&#xa0;; %1 n’a pas été sélectionné</translation>
    </message>
    <message>
        <source>the running copy did not answer; %1 were not selected</source>
        <translation>l’instance en cours n’a pas répondu&#xa0;; %1 n’ont pas été sélectionnés</translation>
    </message>
    <message>
        <source>%1; this copy runs on its own and takes no files from later copies</source>
        <translation>%1&#xa0;; cette instance fonctionne seule et n’accepte aucun fichier des instances lancées ensuite</translation>
    </message>
</context>
<context>
    <name>korbit::control</name>
    <message>
        <source>Invalid Password!!!</source>
        <translation>Mot de passe non valide&#xa0;!!!</translation>
    </message>
</context>
</TS>
