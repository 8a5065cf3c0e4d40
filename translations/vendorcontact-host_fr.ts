<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>VendorChanges</name>
    <message>
        <source>Others</source>
        <translation>Autres</translation>
    </message>
    <message>
        <source>USA</source>
        <translation>États-Unis</translation>
    </message>
    <message>
        <source>Canada</source>
        <translation>Canada</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Ville</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Pays</translation>
    </message>
    <message>
        <source>State</source>
        <translation>État/Province</translation>
    </message>
    <message>
        <source>Postal code</source>
        <translation>Code postal</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Téléphone</translation>
    </message>
    <message>
        <source>Fax</source>
        <translation>Fax</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>Courriel</translation>
    </message>
    <message>
        <source>Cell</source>
        <translation>Mobile</translation>
    </message>
    <message>
        <source>Street 1</source>
        <translation>Rue 1</translation>
    </message>
    <message>
        <source>Street 2</source>
        <translation>Rue 2</translation>
    </message>
    <message>
        <source>Phone 2</source>
        <translation>Téléphone 2</translation>
    </message>
</context>
<context>
    <name>VendorContactHost::ChangeNotice</name>
    <message>
        <source>1 address of this vendor was changed by someone else</source>
        <translation>1 adresse de ce fournisseur a été modifiée par quelqu’un d’autre</translation>
    </message>
    <message numerus="yes">
        <source>%n addresses of this vendor were changed by someone else</source>
        <translation>
            <numerusform>%n adresse de ce fournisseur a été modifiée par quelqu’un d’autre</numerusform>
            <numerusform>%n adresses de ce fournisseur ont été modifiées par quelqu’un d’autre</numerusform>
        </translation>
    </message>
    <message>
        <source>Show &amp;changes…</source>
        <translation>Voir les &amp;modifications…</translation>
    </message>
</context>
<context>
    <name>VendorContactHost::ConflictDialog</name>
    <message>
        <source>Changed by someone else</source>
        <translation>Modifié par quelqu’un d’autre</translation>
    </message>
    <message>
        <source>Since your last save, someone else changed or deleted addresses of %1 that you changed too (listed below). Nothing was saved.</source>
        <translation>Depuis votre dernier enregistrement, quelqu’un d’autre a modifié ou supprimé des adresses de %1 que vous avez aussi modifiées (voir ci-dessous). Rien n’a été enregistré.</translation>
    </message>
    <message>
        <source>Someone else changed the addresses of %1 listed below while you were working on it. Your unsaved changes are still in the panel.</source>
        <translation>Pendant que vous y travailliez, quelqu’un d’autre a modifié les adresses de %1 listées ci-dessous. Vos modifications non enregistrées sont toujours dans le panneau.</translation>
    </message>
    <message>
        <source>Addresses changed by someone else</source>
        <translation>Adresses modifiées par quelqu’un d’autre</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Their value</source>
        <translation>Leur valeur</translation>
    </message>
    <message>
        <source>Your value</source>
        <translation>Votre valeur</translation>
    </message>
    <message>
        <source>Keep &amp;mine</source>
        <translation>Garder les &amp;miennes</translation>
    </message>
    <message>
        <source>&amp;Take theirs for these addresses</source>
        <translation>&amp;Prendre leur version pour ces adresses</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>changed by them and by you</source>
        <translation>modifiée par eux et par vous</translation>
    </message>
    <message>
        <source>changed by them</source>
        <translation>modifiée par eux</translation>
    </message>
    <message>
        <source>added by them</source>
        <translation>ajoutée par eux</translation>
    </message>
    <message>
        <source>deleted by them</source>
        <translation>supprimée par eux</translation>
    </message>
    <message>
        <source>Save mine as a new address</source>
        <translation>Enregistrer la mienne comme nouvelle adresse</translation>
    </message>
    <message>
        <source>Keep mine saves your version over theirs for 1 address.</source>
        <translation>« Garder les miennes » enregistre votre version à la place de la leur pour 1 adresse.</translation>
    </message>
    <message numerus="yes">
        <source>Keep mine saves your version over theirs for %n addresses.</source>
        <translation>
            <numerusform>« Garder les miennes » enregistre votre version à la place de la leur pour %n adresse.</numerusform>
            <numerusform>« Garder les miennes » enregistre votre version à la place de la leur pour %n adresses.</numerusform>
        </translation>
    </message>
    <message>
        <source>Keep mine keeps your version of 1 address; the next save writes it over theirs.</source>
        <translation>« Garder les miennes » garde votre version d’1 adresse ; le prochain enregistrement l’écrit à la place de la leur.</translation>
    </message>
    <message numerus="yes">
        <source>Keep mine keeps your version of %n addresses; the next save writes them over theirs.</source>
        <translation>
            <numerusform>« Garder les miennes » garde votre version de %n adresse ; le prochain enregistrement l’écrit à la place de la leur.</numerusform>
            <numerusform>« Garder les miennes » garde votre version de %n adresses ; le prochain enregistrement les écrit à la place de la leur.</numerusform>
        </translation>
    </message>
    <message>
        <source>Take theirs drops your changes to this address; your other unsaved changes stay.</source>
        <translation>« Prendre leur version » abandonne vos modifications de cette adresse ; vos autres modifications non enregistrées restent.</translation>
    </message>
    <message numerus="yes">
        <source>Take theirs drops your changes to these %n addresses; your other unsaved changes stay.</source>
        <translation>
            <numerusform>« Prendre leur version » abandonne vos modifications de cette %n adresse ; vos autres modifications non enregistrées restent.</numerusform>
            <numerusform>« Prendre leur version » abandonne vos modifications de ces %n adresses ; vos autres modifications non enregistrées restent.</numerusform>
        </translation>
    </message>
    <message>
        <source>The deleted address you ticked is kept as a new address with your values.</source>
        <translation>L’adresse supprimée que vous avez cochée est gardée comme nouvelle adresse avec vos valeurs.</translation>
    </message>
    <message numerus="yes">
        <source>The %n deleted addresses you ticked are kept as new addresses with your values.</source>
        <translation>
            <numerusform>L’adresse supprimée cochée (%n) est gardée comme nouvelle adresse avec vos valeurs.</numerusform>
            <numerusform>Les %n adresses supprimées que vous avez cochées sont gardées comme nouvelles adresses avec vos valeurs.</numerusform>
        </translation>
    </message>
    <message>
        <source>Cancel changes nothing.</source>
        <translation>« Annuler » ne change rien.</translation>
    </message>
    <message>
        <source>Keep mine drops your changes to 1 address they deleted.</source>
        <translation>« Garder les miennes » abandonne vos modifications d’1 adresse qu’ils ont supprimée.</translation>
    </message>
    <message numerus="yes">
        <source>Keep mine drops your changes to %n addresses they deleted.</source>
        <translation>
            <numerusform>« Garder les miennes » abandonne vos modifications de %n adresse qu’ils ont supprimée.</numerusform>
            <numerusform>« Garder les miennes » abandonne vos modifications de %n adresses qu’ils ont supprimées.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>VendorContactHost::ControlCalls</name>
    <message>
        <source>The control library %1 does not exist.</source>
        <translation>La bibliothèque du contrôle %1 n’existe pas.</translation>
    </message>
    <message>
        <source>Registering %1 failed: %2</source>
        <translation>L’enregistrement de %1 a échoué : %2</translation>
    </message>
    <message>
        <source>the factory returned no control</source>
        <translation>la fabrique n’a renvoyé aucun contrôle</translation>
    </message>
    <message>
        <source>The control could not be created: %1</source>
        <translation>Le contrôle n’a pas pu être créé : %1</translation>
    </message>
</context>
<context>
    <name>VendorContactHost::DatabaseTrouble</name>
    <message>
        <source>Opened read-only: %1 cannot be written, so changes cannot be saved.</source>
        <translation>Ouvert en lecture seule : %1 ne peut pas être modifié, les changements ne peuvent donc pas être enregistrés.</translation>
    </message>
    <message>
        <source>Vendor database in use</source>
        <translation>Base des fournisseurs en cours d’utilisation</translation>
    </message>
    <message>
        <source>&amp;Retry</source>
        <translation>&amp;Réessayer</translation>
    </message>
    <message>
        <source>Read-only vendor database</source>
        <translation>Base des fournisseurs en lecture seule</translation>
    </message>
    <message>
        <source>The vendor database %1 cannot be written, so nothing was saved. Your changes are still in the window.

Ask for write access to the file and its folder, or work on a copy you may write.</source>
        <translation>La base des fournisseurs %1 ne peut pas être modifiée : rien n’a été enregistré. Vos changements sont toujours dans la fenêtre.

Demandez l’accès en écriture au fichier et à son dossier, ou travaillez sur une copie modifiable.</translation>
    </message>
    <message>
        <source>Damaged vendor database</source>
        <translation>Base des fournisseurs endommagée</translation>
    </message>
    <message>
        <source>Not a vendor database</source>
        <translation>Pas une base des fournisseurs</translation>
    </message>
    <message>
        <source>The vendor database %1 is damaged: it failed its integrity check.</source>
        <translation>La base des fournisseurs %1 est endommagée : sa vérification d’intégrité a échoué.</translation>
    </message>
    <message>
        <source>%1 is not a vendor database.</source>
        <translation>%1 n’est pas une base des fournisseurs.</translation>
    </message>
    <message>
        <source>It was left exactly as it is.

Open another file, or create a new vendor database elsewhere.</source>
        <translation>Le fichier a été laissé tel quel.

Ouvrez un autre fichier, ou créez une nouvelle base des fournisseurs ailleurs.</translation>
    </message>
    <message>
        <source>&amp;Open Another File…</source>
        <translation>&amp;Ouvrir un autre fichier…</translation>
    </message>
    <message>
        <source>Create &amp;New Database…</source>
        <translation>Créer une &amp;nouvelle base…</translation>
    </message>
    <message>
        <source>No vendor database there</source>
        <translation>Aucune base des fournisseurs à cet endroit</translation>
    </message>
    <message>
        <source>The folder of %1 does not exist, so there is no vendor database there. Check the path for a typo.</source>
        <translation>Le dossier de %1 n’existe pas : il n’y a donc pas de base des fournisseurs à cet endroit. Vérifiez que le chemin ne contient pas de faute de frappe.</translation>
    </message>
    <message>
        <source>There is no vendor database at %1.</source>
        <translation>Il n’y a pas de base des fournisseurs à l’emplacement %1.</translation>
    </message>
    <message>
        <source>Create a new vendor database there, with the sample vendors?</source>
        <translation>Créer à cet endroit une nouvelle base des fournisseurs, avec les fournisseurs d’exemple ?</translation>
    </message>
    <message>
        <source>C&amp;reate</source>
        <translation>C&amp;réer</translation>
    </message>
    <message>
        <source>Cannot reach the database server</source>
        <translation>Serveur de base de données injoignable</translation>
    </message>
    <message>
        <source>Re&amp;connect</source>
        <translation>Re&amp;connecter</translation>
    </message>
    <message>
        <source>Connection to the database lost</source>
        <translation>Connexion à la base de données perdue</translation>
    </message>
    <message>
        <source>Nothing you typed is lost.</source>
        <translation>Rien de ce que vous avez saisi n’est perdu.</translation>
    </message>
    <message>
        <source>Another program is using the vendor database %1, so it cannot be used just now.</source>
        <translation>Un autre programme utilise la base des fournisseurs %1 : elle ne peut pas être utilisée pour le moment.</translation>
    </message>
    <message>
        <source>Close the other program or wait a moment, then press Retry.</source>
        <translation>Fermez l’autre programme ou patientez un instant, puis cliquez sur Réessayer.</translation>
    </message>
    <message>
        <source>The vendor database (%1) cannot be reached: the server is not running, refuses the connection, or the login failed.

Start the server or check the address, then press Reconnect.</source>
        <translation>La base des fournisseurs (%1) est injoignable : le serveur ne tourne pas, refuse la connexion, ou la connexion a échoué.

Démarrez le serveur ou vérifiez l’adresse, puis cliquez sur Reconnecter.</translation>
    </message>
    <message>
        <source>The connection to the vendor database (%1) was lost and could not be re-opened. Your unsaved changes are still in the window.

When the server is back, press Reconnect.</source>
        <translation>La connexion à la base des fournisseurs (%1) a été perdue et n’a pas pu être rouverte. Vos modifications non enregistrées sont toujours dans la fenêtre.

Quand le serveur est de retour, cliquez sur Reconnecter.</translation>
    </message>
</context>
<context>
    <name>VendorContactHost::DeveloperDock</name>
    <message>
        <source>Developer</source>
        <translation>Développeur</translation>
    </message>
    <message>
        <source>Calls</source>
        <translation>Appels</translation>
    </message>
    <message>
        <source>Load text</source>
        <translation>Texte de chargement</translation>
    </message>
    <message>
        <source>Added and changed addresses</source>
        <translation>Adresses ajoutées et modifiées</translation>
    </message>
    <message>
        <source>Vendor ID</source>
        <translation>ID du fournisseur</translation>
    </message>
    <message>
        <source>Edit allowed</source>
        <translation>Modification autorisée</translation>
    </message>
    <message>
        <source>One record per line; the line breaks are not sent.</source>
        <translation>Un enregistrement par ligne ; les sauts de ligne ne sont pas transmis.</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Champ</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Enregistrement</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Table</translation>
    </message>
    <message>
        <source>%1 separator</source>
        <translation>Séparateur %1</translation>
    </message>
    <message>
        <source>Call %1</source>
        <translation>Appeler %1</translation>
    </message>
    <message>
        <source>Export text</source>
        <translation>Texte exporté</translation>
    </message>
    <message>
        <source>The exact text %1 returned</source>
        <translation>Le texte exact renvoyé par %1</translation>
    </message>
    <message>
        <source>Not asked yet.</source>
        <translation>Pas encore demandé.</translation>
    </message>
    <message>
        <source>No added or changed addresses.</source>
        <translation>Aucune adresse ajoutée ou modifiée.</translation>
    </message>
    <message>
        <source>%1 failed: %2</source>
        <translation>Échec de %1 : %2</translation>
    </message>
    <message>
        <source>The export cannot be read: %1</source>
        <translation>L’export est illisible : %1</translation>
    </message>
    <message numerus="yes">
        <source>Entries: %n, one per row:</source>
        <translation>
            <numerusform>Entrées : %n, une par ligne :</numerusform>
            <numerusform>Entrées : %n, une par ligne :</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>VendorContactHost::LanguageMenu</name>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Langue</translation>
    </message>
    <message>
        <source>System language</source>
        <translation>Langue du système</translation>
    </message>
</context>
<context>
    <name>VendorContactHost::MainWindow</name>
    <message>
        <source>Create a new vendor database</source>
        <translation>Créer une nouvelle base des fournisseurs</translation>
    </message>
    <message>
        <source>Open a vendor database</source>
        <translation>Ouvrir une base des fournisseurs</translation>
    </message>
    <message>
        <source>Vendor databases (*.sqlite *.db);;All files (*)</source>
        <translation>Bases des fournisseurs (*.sqlite *.db);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>VendorContact control</source>
        <translation>Contrôle VendorContact</translation>
    </message>
    <message>
        <source>Creating the control…</source>
        <translation>Création du contrôle…</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>&amp;Revert</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>Allow &amp;editing</source>
        <translation>Autoriser la &amp;modification</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>%1 — Vendor address book[*]</source>
        <translation>%1 — Carnet d’adresses des fournisseurs[*]</translation>
    </message>
    <message>
        <source>Vendor address book[*]</source>
        <translation>Carnet d’adresses des fournisseurs[*]</translation>
    </message>
    <message>
        <source>Showing a load text without a database: Save is not available.</source>
        <translation>Affichage d’un texte de chargement sans base de données : l’enregistrement n’est pas disponible.</translation>
    </message>
    <message>
        <source>Re&amp;move Address…</source>
        <translation>Su&amp;pprimer l’adresse…</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Open Database…</source>
        <translation>&amp;Ouvrir une base…</translation>
    </message>
    <message>
        <source>Open &amp;Server Database…</source>
        <translation>Ouvrir une base sur &amp;serveur…</translation>
    </message>
    <message>
        <source>&amp;New Database…</source>
        <translation>&amp;Nouvelle base…</translation>
    </message>
    <message>
        <source>&amp;Recent Databases</source>
        <translation>Bases &amp;récentes</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Address</source>
        <translation>&amp;Adresse</translation>
    </message>
    <message>
        <source>No database open — Vendor address book[*]</source>
        <translation>Aucune base ouverte — Carnet d’adresses des fournisseurs[*]</translation>
    </message>
    <message>
        <source>Open a server database</source>
        <translation>Ouvrir une base sur serveur</translation>
    </message>
    <message>
        <source>The PostgreSQL database&apos;s address, such as postgresql://user@host/vendors (the password comes from PGPASSWORD or ~/.pgpass):</source>
        <translation>L’adresse de la base PostgreSQL, par exemple postgresql://utilisateur@hote/vendors (le mot de passe vient de PGPASSWORD ou de ~/.pgpass) :</translation>
    </message>
    <message>
        <source>(none yet)</source>
        <translation>(aucune pour l’instant)</translation>
    </message>
    <message>
        <source>The vendor list could not be read: %1</source>
        <translation>La liste des fournisseurs n’a pas pu être lue : %1</translation>
    </message>
</context>
<context>
    <name>VendorContactHost::VendorBook</name>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>No vendor database is open. Choose File &gt; Open Database… to open one, or File &gt; New Database… to create one.</source>
        <translation>Aucune base des fournisseurs n’est ouverte. Choisissez Fichier &gt; Ouvrir une base… pour en ouvrir une, ou Fichier &gt; Nouvelle base… pour en créer une.</translation>
    </message>
    <message>
        <source>Opened %1.</source>
        <translation>%1 ouverte.</translation>
    </message>
    <message>
        <source>Cannot open the vendor database</source>
        <translation>Impossible d’ouvrir la base des fournisseurs</translation>
    </message>
    <message>
        <source>Create a new vendor database</source>
        <translation>Créer une nouvelle base des fournisseurs</translation>
    </message>
    <message>
        <source>Open a vendor database</source>
        <translation>Ouvrir une base des fournisseurs</translation>
    </message>
    <message>
        <source>Cannot open the vendor</source>
        <translation>Impossible d’ouvrir le fournisseur</translation>
    </message>
    <message numerus="yes">
        <source>%1, from %2; addresses: %n.</source>
        <translation>
            <numerusform>%1, depuis %2 ; adresses : %n.</numerusform>
            <numerusform>%1, depuis %2 ; adresses : %n.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 was shown only in part: the control did not take all of it (the Developer panel&apos;s calls say why).</source>
        <translation>%1 n’est affiché qu’en partie : le contrôle n’a pas tout accepté (les appels du panneau Développeur indiquent pourquoi).</translation>
    </message>
    <message>
        <source>Changes made by someone else cannot be followed for now: %1</source>
        <translation>Les modifications faites par quelqu’un d’autre ne peuvent pas être suivies pour le moment : %1</translation>
    </message>
    <message>
        <source>%1 was changed by someone else; the panel shows the changes.</source>
        <translation>%1 a été modifié par quelqu’un d’autre ; le panneau affiche les modifications.</translation>
    </message>
    <message>
        <source>Changes made by someone else could not be read: %1</source>
        <translation>Les modifications faites par quelqu’un d’autre n’ont pas pu être lues : %1</translation>
    </message>
    <message>
        <source>Changed by someone else</source>
        <translation>Modifié par quelqu’un d’autre</translation>
    </message>
    <message>
        <source>You are still adding or editing an address: press Save or Update in the panel to keep it, or Cancel to drop it, then look at the changes.</source>
        <translation>Vous êtes encore en train d’ajouter ou de modifier une adresse : appuyez sur Ajouter ou Mettre à jour dans le panneau pour la garder, ou sur Annuler pour l’abandonner, puis regardez les modifications.</translation>
    </message>
    <message>
        <source>The control did not hand back its changes; nothing was saved.</source>
        <translation>Le contrôle n’a pas rendu ses changements ; rien n’a été enregistré.</translation>
    </message>
    <message numerus="yes">
        <source>Not saved: someone else changed %n of your addresses.</source>
        <translation>
            <numerusform>Non enregistré : quelqu’un d’autre a modifié %n de vos adresses.</numerusform>
            <numerusform>Non enregistré : quelqu’un d’autre a modifié %n de vos adresses.</numerusform>
        </translation>
    </message>
    <message>
        <source>The panel keeps your values; saving writes them over the changes of someone else.</source>
        <translation>Le panneau garde vos valeurs ; l’enregistrement les écrit par-dessus les modifications de quelqu’un d’autre.</translation>
    </message>
    <message>
        <source>The panel shows the changes of someone else, with your unsaved changes on top.</source>
        <translation>Le panneau affiche les modifications de quelqu’un d’autre, avec vos modifications non enregistrées par-dessus.</translation>
    </message>
    <message>
        <source>The panel shows the changes of someone else.</source>
        <translation>Le panneau affiche les modifications de quelqu’un d’autre.</translation>
    </message>
    <message>
        <source>Remove Address</source>
        <translation>Supprimer l’adresse</translation>
    </message>
    <message>
        <source>Save or revert your changes first: removing an address reloads the vendor, which would drop them.</source>
        <translation>Enregistrez ou annulez d’abord vos modifications : supprimer une adresse recharge le fournisseur, ce qui les perdrait.</translation>
    </message>
    <message>
        <source>Select the address to remove in the list first.</source>
        <translation>Sélectionnez d’abord dans la liste l’adresse à supprimer.</translation>
    </message>
    <message>
        <source>This address was added in the panel and is not saved: use the panel&apos;s Delete to drop it.</source>
        <translation>Cette adresse a été ajoutée dans le panneau et n’est pas enregistrée : utilisez Supprimer dans le panneau pour l’abandonner.</translation>
    </message>
    <message>
        <source>“%1”, %2</source>
        <translation>« %1 », %2</translation>
    </message>
    <message>
        <source>Remove the address %1 of %2 from the database? This cannot be undone.</source>
        <translation>Supprimer de la base l’adresse %1 de %2 ? Cette action est irréversible.</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>Someone else changed or removed this address meanwhile, so nothing was removed. The panel now shows the vendor as it is.</source>
        <translation>Quelqu’un d’autre a modifié ou supprimé cette adresse entre-temps : rien n’a été supprimé. Le panneau affiche maintenant le fournisseur tel qu’il est.</translation>
    </message>
    <message>
        <source>Removed the address %1.</source>
        <translation>L’adresse %1 a été supprimée.</translation>
    </message>
    <message>
        <source>Cannot save</source>
        <translation>Enregistrement impossible</translation>
    </message>
    <message>
        <source>You are still adding or editing an address: press Save or Update in the panel to keep it, or Cancel to drop it, then save.</source>
        <translation>Vous êtes encore en train d’ajouter ou de modifier une adresse : cliquez sur Enregistrer ou Mettre à jour dans le panneau pour la garder, ou sur Annuler pour l’abandonner, puis enregistrez.</translation>
    </message>
    <message>
        <source>Saved: %1 added, %2 changed.</source>
        <translation>Enregistré : %1 ajoutée(s), %2 modifiée(s).</translation>
    </message>
    <message>
        <source>Saved, but not shown again</source>
        <translation>Enregistré, mais pas réaffiché</translation>
    </message>
    <message>
        <source>%1 The vendor %2 could not be shown again: %3

The panel still shows your changes as you made them; saving again does not write them twice.</source>
        <translation>%1 Le fournisseur %2 n’a pas pu être réaffiché : %3

Le panneau montre toujours vos changements tels que vous les avez faits ; enregistrer à nouveau ne les écrit pas deux fois.</translation>
    </message>
    <message>
        <source>Revert</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>Drop your unsaved changes to %1?</source>
        <translation>Abandonner vos changements non enregistrés de %1 ?</translation>
    </message>
    <message>
        <source>Unsaved changes</source>
        <translation>Changements non enregistrés</translation>
    </message>
    <message>
        <source>You are still adding or editing an address of %1. Drop what you typed there, and every other unsaved change?</source>
        <translation>Vous êtes encore en train d’ajouter ou de modifier une adresse de %1. Abandonner ce que vous y avez saisi, ainsi que tous les autres changements non enregistrés ?</translation>
    </message>
    <message>
        <source>You are still adding or editing an address of %1. Drop what you typed there?</source>
        <translation>Vous êtes encore en train d’ajouter ou de modifier une adresse de %1. Abandonner ce que vous y avez saisi ?</translation>
    </message>
    <message>
        <source>Your changes to %1 cannot be saved: the database is read-only. Drop them?</source>
        <translation>Vos modifications de %1 ne peuvent pas être enregistrées : la base est en lecture seule. Les abandonner ?</translation>
    </message>
    <message>
        <source>Save your changes to %1?</source>
        <translation>Enregistrer vos changements de %1 ?</translation>
    </message>
    <message>
        <source>Nothing else was opened: %1 stays open.</source>
        <translation>Rien d’autre n’a été ouvert : %1 reste ouverte.</translation>
    </message>
</context>
<context>
    <name>VendorContactHost::VendorListPane</name>
    <message>
        <source>Search vendors</source>
        <translation>Rechercher des fournisseurs</translation>
    </message>
    <message>
        <source>Filters the list by name or city; click a vendor or press Enter to open it.</source>
        <translation>Filtre la liste par nom ou par ville ; cliquez sur un fournisseur ou appuyez sur Entrée pour l’ouvrir.</translation>
    </message>
    <message>
        <source>&amp;Vendors</source>
        <translation>&amp;Fournisseurs</translation>
    </message>
    <message>
        <source>Vendors</source>
        <translation>Fournisseurs</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Vendor %1</source>
        <translation>Fournisseur %1</translation>
    </message>
</context>
<context>
    <name>VendorDatabase</name>
    <message>
        <source>a NUL character</source>
        <translation>un caractère NUL</translation>
    </message>
    <message>
        <source>a broken character (a lone UTF-16 surrogate)</source>
        <translation>un caractère invalide (un substitut UTF-16 isolé)</translation>
    </message>
    <message>
        <source>%1 is %2 where a whole number from -32768 to 32767 is expected.</source>
        <translation>%1 vaut %2 alors qu’un nombre entier de -32768 à 32767 est attendu.</translation>
    </message>
    <message>
        <source>%1 is NULL where text is expected; correct it in the database first.</source>
        <translation>%1 vaut NULL alors qu’un texte est attendu ; corrigez d’abord la base de données.</translation>
    </message>
    <message>
        <source>the local socket</source>
        <translation>le socket local</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a database address of the form postgresql://user@host[:port]/dbname (the password comes from PGPASSWORD or ~/.pgpass, never the command line).</source>
        <translation>« %1 » n’est pas une adresse de base de données de la forme postgresql://user@host[:port]/dbname (le mot de passe vient de PGPASSWORD ou de ~/.pgpass, jamais de la ligne de commande).</translation>
    </message>
    <message>
        <source>The SQLite database needs a file name: sqlite:PATH.</source>
        <translation>La base SQLite a besoin d’un nom de fichier : sqlite:CHEMIN.</translation>
    </message>
    <message>
        <source>%1 failed.</source>
        <translation>%1 a échoué.</translation>
    </message>
    <message>
        <source>Preparing the save</source>
        <translation>Préparation de l’enregistrement</translation>
    </message>
    <message>
        <source>The connection is not open.</source>
        <translation>La connexion n’est pas ouverte.</translation>
    </message>
    <message>
        <source>The vendor database has no place of its own: %1. Name one with --database.</source>
        <translation>La base des fournisseurs n’a pas d’emplacement propre : %1. Indiquez-en un avec --database.</translation>
    </message>
    <message>
        <source>Nothing was removed: %1</source>
        <translation>Rien n’a été supprimé : %1</translation>
    </message>
    <message>
        <source>Nothing was saved: %1</source>
        <translation>Rien n’a été enregistré : %1</translation>
    </message>
    <message>
        <source>Nothing was saved: address %1 (%2), field %3, holds %4, which cannot be stored. Remove it and save again.</source>
        <translation>Rien n’a été enregistré : l’adresse %1 (%2), champ %3, contient %4, qui ne peut pas être stocké. Supprimez-le et enregistrez à nouveau.</translation>
    </message>
    <message>
        <source>Nothing was saved: another program is using %1. Try again in a moment.</source>
        <translation>Rien n’a été enregistré : un autre programme utilise %1. Réessayez dans un instant.</translation>
    </message>
    <message>
        <source>Checking whether the save was completed</source>
        <translation>Vérification de l’achèvement de l’enregistrement</translation>
    </message>
    <message>
        <source>Counting the addresses</source>
        <translation>Décompte des adresses</translation>
    </message>
    <message>
        <source>Nothing was saved: vendor %1 would have %2 addresses, more than the %3 one vendor can have. Delete some addresses or add them to another vendor.</source>
        <translation>Rien n’a été enregistré : le fournisseur %1 aurait %2 adresses, plus que les %3 qu’un fournisseur peut avoir. Supprimez des adresses ou ajoutez-les à un autre fournisseur.</translation>
    </message>
    <message>
        <source>Adding address %1</source>
        <translation>Ajout de l’adresse %1</translation>
    </message>
    <message>
        <source>The database gave no id for the new address %1.</source>
        <translation>La base de données n’a donné aucun identifiant à la nouvelle adresse %1.</translation>
    </message>
    <message>
        <source>Recording the save</source>
        <translation>Consignation de l’enregistrement</translation>
    </message>
    <message>
        <source>Completing the save</source>
        <translation>Achèvement de l’enregistrement</translation>
    </message>
    <message>
        <source>%1 holds bytes that are not UTF-8 text, which the control cannot show as they are; correct it in the database first.</source>
        <translation>%1 contient des octets qui ne sont pas du texte UTF-8, que le contrôle ne peut pas afficher tels quels ; corrigez d’abord la valeur dans la base.</translation>
    </message>
    <message>
        <source>Reading the vendors</source>
        <translation>Lecture des fournisseurs</translation>
    </message>
    <message>
        <source>The name of vendor %1</source>
        <translation>Le nom du fournisseur %1</translation>
    </message>
    <message>
        <source>Reading the vendor</source>
        <translation>Lecture du fournisseur</translation>
    </message>
    <message>
        <source>There is no vendor %1 in the %2.</source>
        <translation>Il n’y a pas de fournisseur %1 dans : %2.</translation>
    </message>
    <message>
        <source>Reading the contact types</source>
        <translation>Lecture des types de contact</translation>
    </message>
    <message>
        <source>Contact type %1, column %2</source>
        <translation>Type de contact %1, colonne %2</translation>
    </message>
    <message>
        <source>Reading the states</source>
        <translation>Lecture des états</translation>
    </message>
    <message>
        <source>State %1, column %2</source>
        <translation>État %1, colonne %2</translation>
    </message>
    <message>
        <source>Address %1, column %2</source>
        <translation>Adresse %1, colonne %2</translation>
    </message>
    <message>
        <source>Reading the addresses</source>
        <translation>Lecture des adresses</translation>
    </message>
    <message>
        <source>Qt&apos;s %1 database driver is not installed (scripts/install-deps.sh installs it).</source>
        <translation>Le pilote de base de données %1 de Qt n’est pas installé (scripts/install-deps.sh l’installe).</translation>
    </message>
    <message>
        <source>Reading the tables</source>
        <translation>Lecture des tables</translation>
    </message>
    <message>
        <source>%1 is not a vendor database (it has no table %2). It was left as it is.</source>
        <translation>%1 n’est pas une base des fournisseurs (elle n’a pas de table %2). Elle a été laissée telle quelle.</translation>
    </message>
    <message>
        <source>Preparing the tables</source>
        <translation>Préparation des tables</translation>
    </message>
    <message>
        <source>database %1 on %2</source>
        <translation>base %1 sur %2</translation>
    </message>
    <message>
        <source>PostgreSQL database %1 on %2 as %3</source>
        <translation>base PostgreSQL %1 sur %2 en tant que %3</translation>
    </message>
    <message>
        <source>The PostgreSQL database %1 on %2 cannot be reached.</source>
        <translation>La base PostgreSQL %1 sur %2 est injoignable.</translation>
    </message>
    <message>
        <source>The connection to the PostgreSQL database %1 on %2 was lost and could not be re-opened.</source>
        <translation>La connexion à la base PostgreSQL %1 sur %2 a été perdue et n’a pas pu être rétablie.</translation>
    </message>
    <message>
        <source>Starting the save</source>
        <translation>Début de l’enregistrement</translation>
    </message>
    <message>
        <source>Saving the addresses</source>
        <translation>Enregistrement des adresses</translation>
    </message>
    <message>
        <source>Cannot listen for changes in the %1.</source>
        <translation>Impossible de suivre les modifications dans : %1.</translation>
    </message>
    <message>
        <source>Looking for changes</source>
        <translation>Recherche de modifications</translation>
    </message>
    <message>
        <source>SQLite file %1</source>
        <translation>fichier SQLite %1</translation>
    </message>
    <message>
        <source>The folder %1 does not exist, so there is no vendor database %2. Nothing was created.</source>
        <translation>Le dossier %1 n’existe pas : il n’y a donc pas de base des fournisseurs %2. Rien n’a été créé.</translation>
    </message>
    <message>
        <source>There is no vendor database %1. Nothing was created.</source>
        <translation>Il n’y a pas de base des fournisseurs %1. Rien n’a été créé.</translation>
    </message>
    <message>
        <source>The folder %1 could not be created.</source>
        <translation>Le dossier %1 n’a pas pu être créé.</translation>
    </message>
    <message>
        <source>The new database %1 could not be created.</source>
        <translation>La nouvelle base %1 n’a pas pu être créée.</translation>
    </message>
    <message>
        <source>The file %1 is empty: it is not a vendor database.</source>
        <translation>Le fichier %1 est vide : ce n’est pas une base des fournisseurs.</translation>
    </message>
    <message>
        <source>%1 is not a file, so it is not a vendor database.</source>
        <translation>%1 n’est pas un fichier, ce n’est donc pas une base des fournisseurs.</translation>
    </message>
    <message>
        <source>The file %1 is read-only.</source>
        <translation>Le fichier %1 est en lecture seule.</translation>
    </message>
    <message>
        <source>The folder of %1 cannot be written to.</source>
        <translation>Le dossier de %1 n’est pas accessible en écriture.</translation>
    </message>
    <message>
        <source>The file %1 could not be opened.</source>
        <translation>Le fichier %1 n’a pas pu être ouvert.</translation>
    </message>
    <message>
        <source>Reading the file</source>
        <translation>Lecture du fichier</translation>
    </message>
    <message>
        <source>Checking the file</source>
        <translation>Vérification du fichier</translation>
    </message>
    <message>
        <source>The file %1 is not a vendor database. It was left as it is.</source>
        <translation>Le fichier %1 n’est pas une base des fournisseurs. Il a été laissé tel quel.</translation>
    </message>
    <message>
        <source>The vendor database %1 is damaged. It was left as it is.</source>
        <translation>La base des fournisseurs %1 est endommagée. Elle a été laissée telle quelle.</translation>
    </message>
    <message>
        <source>Reading the journal mode</source>
        <translation>Lecture du mode de journalisation</translation>
    </message>
    <message>
        <source>Switching to the write-ahead log</source>
        <translation>Passage au journal à écriture anticipée</translation>
    </message>
    <message>
        <source>Saving address %1</source>
        <translation>Enregistrement de l’adresse %1</translation>
    </message>
    <message>
        <source>Searching the vendors</source>
        <translation>Recherche des fournisseurs</translation>
    </message>
</context>
</TS>
