<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>VendorChanges</name>
    <message>
        <source>Others</source>
        <translation>Andere</translation>
    </message>
    <message>
        <source>USA</source>
        <translation>USA</translation>
    </message>
    <message>
        <source>Canada</source>
        <translation>Kanada</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Ort</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Land</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Bundesland</translation>
    </message>
    <message>
        <source>Postal code</source>
        <translation>Postleitzahl</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Telefon</translation>
    </message>
    <message>
        <source>Fax</source>
        <translation>Fax</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <source>Cell</source>
        <translation>Mobil</translation>
    </message>
    <message>
        <source>Street 1</source>
        <translation>Straße 1</translation>
    </message>
    <message>
        <source>Street 2</source>
        <translation>Straße 2</translation>
    </message>
    <message>
        <source>Phone 2</source>
        <translation>Telefon 2</translation>
    </message>
</context>
<context>
    <name>VendorContactHost::ChangeNotice</name>
    <message>
        <source>1 address of this vendor was changed by someone else</source>
        <translation>1 Adresse dieses Lieferanten wurde von jemand anderem geändert</translation>
    </message>
    <message numerus="yes">
        <source>%n addresses of this vendor were changed by someone else</source>
        <translation>
            <numerusform>%n Adresse dieses Lieferanten wurde von jemand anderem geändert</numerusform>
            <numerusform>%n Adressen dieses Lieferanten wurden von jemand anderem geändert</numerusform>
        </translation>
    </message>
    <message>
        <source>Show &amp;changes…</source>
        <translation>Änderungen &amp;zeigen…</translation>
    </message>
</context>
<context>
    <name>VendorContactHost::ConflictDialog</name>
    <message>
        <source>Changed by someone else</source>
        <translation>Von jemand anderem geändert</translation>
    </message>
    <message>
        <source>Since your last save, someone else changed or deleted addresses of %1 that you changed too (listed below). Nothing was saved.</source>
        <translation>Seit Ihrer letzten Speicherung hat jemand anderes Adressen von %1 geändert oder gelöscht, die auch Sie geändert haben (siehe unten). Es wurde nichts gespeichert.</translation>
    </message>
    <message>
        <source>Someone else changed the addresses of %1 listed below while you were working on it. Your unsaved changes are still in the panel.</source>
        <translation>Während Sie daran gearbeitet haben, hat jemand anderes die unten aufgeführten Adressen von %1 geändert. Ihre nicht gespeicherten Änderungen sind noch im Bereich.</translation>
    </message>
    <message>
        <source>Addresses changed by someone else</source>
        <translation>Von jemand anderem geänderte Adressen</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Their value</source>
        <translation>Deren Wert</translation>
    </message>
    <message>
        <source>Your value</source>
        <translation>Ihr Wert</translation>
    </message>
    <message>
        <source>Keep &amp;mine</source>
        <translation>&amp;Meine behalten</translation>
    </message>
    <message>
        <source>&amp;Take theirs for these addresses</source>
        <translation>Deren Fassung für diese Adressen &amp;übernehmen</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>changed by them and by you</source>
        <translation>von ihnen und von Ihnen geändert</translation>
    </message>
    <message>
        <source>changed by them</source>
        <translation>von ihnen geändert</translation>
    </message>
    <message>
        <source>added by them</source>
        <translation>von ihnen hinzugefügt</translation>
    </message>
    <message>
        <source>deleted by them</source>
        <translation>von ihnen gelöscht</translation>
    </message>
    <message>
        <source>Save mine as a new address</source>
        <translation>Meine als neue Adresse speichern</translation>
    </message>
    <message>
        <source>Keep mine saves your version over theirs for 1 address.</source>
        <translation>„Meine behalten“ speichert Ihre Fassung über deren Fassung für 1 Adresse.</translation>
    </message>
    <message numerus="yes">
        <source>Keep mine saves your version over theirs for %n addresses.</source>
        <translation>
            <numerusform>„Meine behalten“ speichert Ihre Fassung über deren Fassung für %n Adresse.</numerusform>
            <numerusform>„Meine behalten“ speichert Ihre Fassung über deren Fassung für %n Adressen.</numerusform>
        </translation>
    </message>
    <message>
        <source>Keep mine keeps your version of 1 address; the next save writes it over theirs.</source>
        <translation>„Meine behalten“ behält Ihre Fassung von 1 Adresse; die nächste Speicherung schreibt sie über deren Fassung.</translation>
    </message>
    <message numerus="yes">
        <source>Keep mine keeps your version of %n addresses; the next save writes them over theirs.</source>
        <translation>
            <numerusform>„Meine behalten“ behält Ihre Fassung von %n Adresse; die nächste Speicherung schreibt sie über deren Fassung.</numerusform>
            <numerusform>„Meine behalten“ behält Ihre Fassung von %n Adressen; die nächste Speicherung schreibt sie über deren Fassung.</numerusform>
        </translation>
    </message>
    <message>
        <source>Take theirs drops your changes to this address; your other unsaved changes stay.</source>
        <translation>„Deren Fassung übernehmen“ verwirft Ihre Änderungen an dieser Adresse; Ihre übrigen nicht gespeicherten Änderungen bleiben.</translation>
    </message>
    <message numerus="yes">
        <source>Take theirs drops your changes to these %n addresses; your other unsaved changes stay.</source>
        <translation>
            <numerusform>„Deren Fassung übernehmen“ verwirft Ihre Änderungen an dieser %n Adresse; Ihre übrigen nicht gespeicherten Änderungen bleiben.</numerusform>
            <numerusform>„Deren Fassung übernehmen“ verwirft Ihre Änderungen an diesen %n Adressen; Ihre übrigen nicht gespeicherten Änderungen bleiben.</numerusform>
        </translation>
    </message>
    <message>
        <source>The deleted address you ticked is kept as a new address with your values.</source>
        <translation>Die angekreuzte gelöschte Adresse bleibt als neue Adresse mit Ihren Werten erhalten.</translation>
    </message>
    <message numerus="yes">
        <source>The %n deleted addresses you ticked are kept as new addresses with your values.</source>
        <translation>
            <numerusform>Die %n angekreuzte gelöschte Adresse bleibt als neue Adresse mit Ihren Werten erhalten.</numerusform>
            <numerusform>Die %n angekreuzten gelöschten Adressen bleiben als neue Adressen mit Ihren Werten erhalten.</numerusform>
        </translation>
    </message>
    <message>
        <source>Cancel changes nothing.</source>
        <translation>„Abbrechen“ ändert nichts.</translation>
    </message>
    <message>
        <source>Keep mine drops your changes to 1 address they deleted.</source>
        <translation>„Meine behalten“ verwirft Ihre Änderungen an 1 von ihnen gelöschten Adresse.</translation>
    </message>
    <message numerus="yes">
        <source>Keep mine drops your changes to %n addresses they deleted.</source>
        <translation>
            <numerusform>„Meine behalten“ verwirft Ihre Änderungen an %n von ihnen gelöschten Adresse.</numerusform>
            <numerusform>„Meine behalten“ verwirft Ihre Änderungen an %n von ihnen gelöschten Adressen.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>VendorContactHost::ControlCalls</name>
    <message>
        <source>The control library %1 does not exist.</source>
        <translation>Die Steuerelementbibliothek %1 existiert nicht.</translation>
    </message>
    <message>
        <source>Registering %1 failed: %2</source>
        <translation>Die Registrierung von %1 ist fehlgeschlagen: %2</translation>
    </message>
    <message>
        <source>the factory returned no control</source>
        <translation>die Fabrik hat kein Steuerelement geliefert</translation>
    </message>
    <message>
        <source>The control could not be created: %1</source>
        <translation>Das Steuerelement konnte nicht erstellt werden: %1</translation>
    </message>
</context>
<context>
    <name>VendorContactHost::DatabaseTrouble</name>
    <message>
        <source>Opened read-only: %1 cannot be written, so changes cannot be saved.</source>
        <translation>Schreibgeschützt geöffnet: %1 kann nicht beschrieben werden, Änderungen lassen sich daher nicht speichern.</translation>
    </message>
    <message>
        <source>Vendor database in use</source>
        <translation>Lieferantendatenbank in Benutzung</translation>
    </message>
    <message>
        <source>&amp;Retry</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>Read-only vendor database</source>
        <translation>Schreibgeschützte Lieferantendatenbank</translation>
    </message>
    <message>
        <source>The vendor database %1 cannot be written, so nothing was saved. Your changes are still in the window.

Ask for write access to the file and its folder, or work on a copy you may write.</source>
        <translation>Die Lieferantendatenbank %1 kann nicht beschrieben werden, daher wurde nichts gespeichert. Ihre Änderungen sind noch im Fenster.

Lassen Sie sich Schreibrechte für die Datei und ihren Ordner geben, oder arbeiten Sie mit einer Kopie, die Sie beschreiben dürfen.</translation>
    </message>
    <message>
        <source>Damaged vendor database</source>
        <translation>Beschädigte Lieferantendatenbank</translation>
    </message>
    <message>
        <source>Not a vendor database</source>
        <translation>Keine Lieferantendatenbank</translation>
    </message>
    <message>
        <source>The vendor database %1 is damaged: it failed its integrity check.</source>
        <translation>Die Lieferantendatenbank %1 ist beschädigt: Sie hat die Integritätsprüfung nicht bestanden.</translation>
    </message>
    <message>
        <source>%1 is not a vendor database.</source>
        <translation>%1 ist keine Lieferantendatenbank.</translation>
    </message>
    <message>
        <source>It was left exactly as it is.

Open another file, or create a new vendor database elsewhere.</source>
        <translation>Die Datei wurde nicht verändert.

Öffnen Sie eine andere Datei, oder legen Sie an anderer Stelle eine neue Lieferantendatenbank an.</translation>
    </message>
    <message>
        <source>&amp;Open Another File…</source>
        <translation>Andere Datei ö&amp;ffnen…</translation>
    </message>
    <message>
        <source>Create &amp;New Database…</source>
        <translation>&amp;Neue Datenbank anlegen…</translation>
    </message>
    <message>
        <source>No vendor database there</source>
        <translation>Dort ist keine Lieferantendatenbank</translation>
    </message>
    <message>
        <source>The folder of %1 does not exist, so there is no vendor database there. Check the path for a typo.</source>
        <translation>Der Ordner von %1 existiert nicht, also gibt es dort keine Lieferantendatenbank. Prüfen Sie den Pfad auf Tippfehler.</translation>
    </message>
    <message>
        <source>There is no vendor database at %1.</source>
        <translation>Unter %1 gibt es keine Lieferantendatenbank.</translation>
    </message>
    <message>
        <source>Create a new vendor database there, with the sample vendors?</source>
        <translation>Dort eine neue Lieferantendatenbank mit den Beispiellieferanten anlegen?</translation>
    </message>
    <message>
        <source>C&amp;reate</source>
        <translation>&amp;Anlegen</translation>
    </message>
    <message>
        <source>Cannot reach the database server</source>
        <translation>Datenbankserver nicht erreichbar</translation>
    </message>
    <message>
        <source>Re&amp;connect</source>
        <translation>Neu &amp;verbinden</translation>
    </message>
    <message>
        <source>Connection to the database lost</source>
        <translation>Verbindung zur Datenbank verloren</translation>
    </message>
    <message>
        <source>Nothing you typed is lost.</source>
        <translation>Nichts von dem, was Sie eingegeben haben, geht verloren.</translation>
    </message>
    <message>
        <source>Another program is using the vendor database %1, so it cannot be used just now.</source>
        <translation>Ein anderes Programm verwendet die Lieferantendatenbank %1, daher kann sie gerade nicht benutzt werden.</translation>
    </message>
    <message>
        <source>Close the other program or wait a moment, then press Retry.</source>
        <translation>Schließen Sie das andere Programm oder warten Sie einen Moment, und klicken Sie dann auf „Wiederholen“.</translation>
    </message>
    <message>
        <source>The vendor database (%1) cannot be reached: the server is not running, refuses the connection, or the login failed.

Start the server or check the address, then press Reconnect.</source>
        <translation>Die Lieferantendatenbank (%1) ist nicht erreichbar: Der Server läuft nicht, lehnt die Verbindung ab, oder die Anmeldung ist fehlgeschlagen.

Starten Sie den Server oder prüfen Sie die Adresse, und klicken Sie dann auf „Neu verbinden“.</translation>
    </message>
    <message>
        <source>The connection to the vendor database (%1) was lost and could not be re-opened. Your unsaved changes are still in the window.

When the server is back, press Reconnect.</source>
        <translation>Die Verbindung zur Lieferantendatenbank (%1) ist abgebrochen und konnte nicht wiederhergestellt werden. Ihre ungespeicherten Änderungen sind noch im Fenster.

Sobald der Server wieder da ist, klicken Sie auf „Neu verbinden“.</translation>
    </message>
</context>
<context>
    <name>VendorContactHost::DeveloperDock</name>
    <message>
        <source>Developer</source>
        <translation>Entwickler</translation>
    </message>
    <message>
        <source>Calls</source>
        <translation>Aufrufe</translation>
    </message>
    <message>
        <source>Load text</source>
        <translation>Ladetext</translation>
    </message>
    <message>
        <source>Added and changed addresses</source>
        <translation>Neue und geänderte Adressen</translation>
    </message>
    <message>
        <source>Vendor ID</source>
        <translation>Lieferanten-ID</translation>
    </message>
    <message>
        <source>Edit allowed</source>
        <translation>Bearbeiten erlaubt</translation>
    </message>
    <message>
        <source>One record per line; the line breaks are not sent.</source>
        <translation>Ein Datensatz pro Zeile; die Zeilenumbrüche werden nicht übergeben.</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Feld</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Datensatz</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Tabelle</translation>
    </message>
    <message>
        <source>%1 separator</source>
        <translation>Trennzeichen %1</translation>
    </message>
    <message>
        <source>Call %1</source>
        <translation>%1 aufrufen</translation>
    </message>
    <message>
        <source>Export text</source>
        <translation>Exporttext</translation>
    </message>
    <message>
        <source>The exact text %1 returned</source>
        <translation>Der genaue Text, den %1 geliefert hat</translation>
    </message>
    <message>
        <source>Not asked yet.</source>
        <translation>Noch nicht abgefragt.</translation>
    </message>
    <message>
        <source>No added or changed addresses.</source>
        <translation>Keine neuen oder geänderten Adressen.</translation>
    </message>
    <message>
        <source>%1 failed: %2</source>
        <translation>%1 ist fehlgeschlagen: %2</translation>
    </message>
    <message>
        <source>The export cannot be read: %1</source>
        <translation>Der Export ist nicht lesbar: %1</translation>
    </message>
    <message numerus="yes">
        <source>Entries: %n, one per row:</source>
        <translation>
            <numerusform>Einträge: %n, einer pro Zeile:</numerusform>
            <numerusform>Einträge: %n, einer pro Zeile:</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>VendorContactHost::LanguageMenu</name>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Sprache</translation>
    </message>
    <message>
        <source>System language</source>
        <translation>Systemsprache</translation>
    </message>
</context>
<context>
    <name>VendorContactHost::MainWindow</name>
    <message>
        <source>Create a new vendor database</source>
        <translation>Neue Lieferantendatenbank anlegen</translation>
    </message>
    <message>
        <source>Open a vendor database</source>
        <translation>Lieferantendatenbank öffnen</translation>
    </message>
    <message>
        <source>Vendor databases (*.sqlite *.db);;All files (*)</source>
        <translation>Lieferantendatenbanken (*.sqlite *.db);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>VendorContact control</source>
        <translation>Steuerelement VendorContact</translation>
    </message>
    <message>
        <source>Creating the control…</source>
        <translation>Das Steuerelement wird erstellt…</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>&amp;Revert</source>
        <translation>&amp;Zurücksetzen</translation>
    </message>
    <message>
        <source>Allow &amp;editing</source>
        <translation>&amp;Bearbeiten erlauben</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>%1 — Vendor address book[*]</source>
        <translation>%1 — Lieferanten-Adressbuch[*]</translation>
    </message>
    <message>
        <source>Vendor address book[*]</source>
        <translation>Lieferanten-Adressbuch[*]</translation>
    </message>
    <message>
        <source>Showing a load text without a database: Save is not available.</source>
        <translation>Ein Ladetext ohne Datenbank wird angezeigt: Speichern ist nicht möglich.</translation>
    </message>
    <message>
        <source>Re&amp;move Address…</source>
        <translation>Adresse &amp;entfernen…</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Open Database…</source>
        <translation>Datenbank ö&amp;ffnen…</translation>
    </message>
    <message>
        <source>Open &amp;Server Database…</source>
        <translation>&amp;Serverdatenbank öffnen…</translation>
    </message>
    <message>
        <source>&amp;New Database…</source>
        <translation>&amp;Neue Datenbank…</translation>
    </message>
    <message>
        <source>&amp;Recent Databases</source>
        <translation>&amp;Zuletzt geöffnet</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Address</source>
        <translation>&amp;Adresse</translation>
    </message>
    <message>
        <source>No database open — Vendor address book[*]</source>
        <translation>Keine Datenbank geöffnet — Lieferanten-Adressbuch[*]</translation>
    </message>
    <message>
        <source>Open a server database</source>
        <translation>Serverdatenbank öffnen</translation>
    </message>
    <message>
        <source>The PostgreSQL database&apos;s address, such as postgresql://user@host/vendors (the password comes from PGPASSWORD or ~/.pgpass):</source>
        <translation>Die Adresse der PostgreSQL-Datenbank, etwa postgresql://benutzer@host/vendors (das Passwort kommt aus PGPASSWORD oder ~/.pgpass):</translation>
    </message>
    <message>
        <source>(none yet)</source>
        <translation>(noch keine)</translation>
    </message>
    <message>
        <source>The vendor list could not be read: %1</source>
        <translation>Die Lieferantenliste konnte nicht gelesen werden: %1</translation>
    </message>
</context>
<context>
    <name>VendorContactHost::VendorBook</name>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>No vendor database is open. Choose File &gt; Open Database… to open one, or File &gt; New Database… to create one.</source>
        <translation>Keine Lieferantendatenbank ist geöffnet. Wählen Sie Datei &gt; Datenbank öffnen…, um eine zu öffnen, oder Datei &gt; Neue Datenbank…, um eine anzulegen.</translation>
    </message>
    <message>
        <source>Opened %1.</source>
        <translation>%1 geöffnet.</translation>
    </message>
    <message>
        <source>Cannot open the vendor database</source>
        <translation>Lieferantendatenbank kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>Create a new vendor database</source>
        <translation>Neue Lieferantendatenbank anlegen</translation>
    </message>
    <message>
        <source>Open a vendor database</source>
        <translation>Lieferantendatenbank öffnen</translation>
    </message>
    <message>
        <source>Cannot open the vendor</source>
        <translation>Lieferant kann nicht geöffnet werden</translation>
    </message>
    <message numerus="yes">
        <source>%1, from %2; addresses: %n.</source>
        <translation>
            <numerusform>%1, aus %2; Adressen: %n.</numerusform>
            <numerusform>%1, aus %2; Adressen: %n.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 was shown only in part: the control did not take all of it (the Developer panel&apos;s calls say why).</source>
        <translation>%1 wird nur teilweise angezeigt: Das Steuerelement hat nicht alles übernommen (die Aufrufe im Entwicklerbereich nennen den Grund).</translation>
    </message>
    <message>
        <source>Changes made by someone else cannot be followed for now: %1</source>
        <translation>Änderungen von jemand anderem können derzeit nicht verfolgt werden: %1</translation>
    </message>
    <message>
        <source>%1 was changed by someone else; the panel shows the changes.</source>
        <translation>%1 wurde von jemand anderem geändert; der Bereich zeigt die Änderungen.</translation>
    </message>
    <message>
        <source>Changes made by someone else could not be read: %1</source>
        <translation>Die Änderungen von jemand anderem konnten nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>Changed by someone else</source>
        <translation>Von jemand anderem geändert</translation>
    </message>
    <message>
        <source>You are still adding or editing an address: press Save or Update in the panel to keep it, or Cancel to drop it, then look at the changes.</source>
        <translation>Sie fügen noch eine Adresse hinzu oder bearbeiten sie: Drücken Sie im Bereich „Anlegen“ oder „Aktualisieren“, um sie zu behalten, oder „Abbrechen“, um sie zu verwerfen, und sehen Sie sich dann die Änderungen an.</translation>
    </message>
    <message>
        <source>The control did not hand back its changes; nothing was saved.</source>
        <translation>Das Steuerelement hat seine Änderungen nicht herausgegeben; es wurde nichts gespeichert.</translation>
    </message>
    <message numerus="yes">
        <source>Not saved: someone else changed %n of your addresses.</source>
        <translation>
            <numerusform>Nicht gespeichert: Jemand anderes hat %n Ihrer Adressen geändert.</numerusform>
            <numerusform>Nicht gespeichert: Jemand anderes hat %n Ihrer Adressen geändert.</numerusform>
        </translation>
    </message>
    <message>
        <source>The panel keeps your values; saving writes them over the changes of someone else.</source>
        <translation>Der Bereich behält Ihre Werte; Speichern schreibt sie über die Änderungen von jemand anderem.</translation>
    </message>
    <message>
        <source>The panel shows the changes of someone else, with your unsaved changes on top.</source>
        <translation>Der Bereich zeigt die Änderungen von jemand anderem, darüber Ihre nicht gespeicherten Änderungen.</translation>
    </message>
    <message>
        <source>The panel shows the changes of someone else.</source>
        <translation>Der Bereich zeigt die Änderungen von jemand anderem.</translation>
    </message>
    <message>
        <source>Remove Address</source>
        <translation>Adresse entfernen</translation>
    </message>
    <message>
        <source>Save or revert your changes first: removing an address reloads the vendor, which would drop them.</source>
        <translation>Speichern oder verwerfen Sie zuerst Ihre Änderungen: Das Entfernen einer Adresse lädt den Lieferanten neu, wodurch sie verloren gingen.</translation>
    </message>
    <message>
        <source>Select the address to remove in the list first.</source>
        <translation>Wählen Sie zuerst die zu entfernende Adresse in der Liste aus.</translation>
    </message>
    <message>
        <source>This address was added in the panel and is not saved: use the panel&apos;s Delete to drop it.</source>
        <translation>Diese Adresse wurde im Bereich hinzugefügt und ist nicht gespeichert: Verwerfen Sie sie mit „Löschen“ im Bereich.</translation>
    </message>
    <message>
        <source>“%1”, %2</source>
        <translation>„%1“, %2</translation>
    </message>
    <message>
        <source>Remove the address %1 of %2 from the database? This cannot be undone.</source>
        <translation>Die Adresse %1 von %2 aus der Datenbank entfernen? Das lässt sich nicht rückgängig machen.</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>Someone else changed or removed this address meanwhile, so nothing was removed. The panel now shows the vendor as it is.</source>
        <translation>Jemand anderes hat diese Adresse inzwischen geändert oder entfernt, daher wurde nichts entfernt. Der Bereich zeigt den Lieferanten jetzt so, wie er ist.</translation>
    </message>
    <message>
        <source>Removed the address %1.</source>
        <translation>Die Adresse %1 wurde entfernt.</translation>
    </message>
    <message>
        <source>Cannot save</source>
        <translation>Speichern nicht möglich</translation>
    </message>
    <message>
        <source>You are still adding or editing an address: press Save or Update in the panel to keep it, or Cancel to drop it, then save.</source>
        <translation>Sie legen noch eine Adresse an oder bearbeiten sie: Klicken Sie im Bereich auf „Speichern“ oder „Aktualisieren“, um sie zu behalten, oder auf „Abbrechen“, um sie zu verwerfen, und speichern Sie dann.</translation>
    </message>
    <message>
        <source>Saved: %1 added, %2 changed.</source>
        <translation>Gespeichert: %1 neu, %2 geändert.</translation>
    </message>
    <message>
        <source>Saved, but not shown again</source>
        <translation>Gespeichert, aber nicht erneut angezeigt</translation>
    </message>
    <message>
        <source>%1 The vendor %2 could not be shown again: %3

The panel still shows your changes as you made them; saving again does not write them twice.</source>
        <translation>%1 Der Lieferant %2 konnte nicht erneut angezeigt werden: %3

Der Bereich zeigt Ihre Änderungen weiterhin so, wie Sie sie gemacht haben; erneutes Speichern schreibt sie nicht doppelt.</translation>
    </message>
    <message>
        <source>Revert</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>Drop your unsaved changes to %1?</source>
        <translation>Ihre ungespeicherten Änderungen an %1 verwerfen?</translation>
    </message>
    <message>
        <source>Unsaved changes</source>
        <translation>Ungespeicherte Änderungen</translation>
    </message>
    <message>
        <source>You are still adding or editing an address of %1. Drop what you typed there, and every other unsaved change?</source>
        <translation>Sie legen noch eine Adresse von %1 an oder bearbeiten sie. Das dort Eingegebene und alle anderen ungespeicherten Änderungen verwerfen?</translation>
    </message>
    <message>
        <source>You are still adding or editing an address of %1. Drop what you typed there?</source>
        <translation>Sie legen noch eine Adresse von %1 an oder bearbeiten sie. Das dort Eingegebene verwerfen?</translation>
    </message>
    <message>
        <source>Your changes to %1 cannot be saved: the database is read-only. Drop them?</source>
        <translation>Ihre Änderungen an %1 können nicht gespeichert werden: Die Datenbank ist schreibgeschützt. Verwerfen?</translation>
    </message>
    <message>
        <source>Save your changes to %1?</source>
        <translation>Ihre Änderungen an %1 speichern?</translation>
    </message>
    <message>
        <source>Nothing else was opened: %1 stays open.</source>
        <translation>Es wurde nichts anderes geöffnet: %1 bleibt geöffnet.</translation>
    </message>
</context>
<context>
    <name>VendorContactHost::VendorListPane</name>
    <message>
        <source>Search vendors</source>
        <translation>Lieferanten suchen</translation>
    </message>
    <message>
        <source>Filters the list by name or city; click a vendor or press Enter to open it.</source>
        <translation>Filtert die Liste nach Name oder Ort; klicken Sie auf einen Lieferanten oder drücken Sie die Eingabetaste, um ihn zu öffnen.</translation>
    </message>
    <message>
        <source>&amp;Vendors</source>
        <translation>&amp;Lieferanten</translation>
    </message>
    <message>
        <source>Vendors</source>
        <translation>Lieferanten</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Vendor %1</source>
        <translation>Lieferant %1</translation>
    </message>
</context>
<context>
    <name>VendorDatabase</name>
    <message>
        <source>a NUL character</source>
        <translation>ein NUL-Zeichen</translation>
    </message>
    <message>
        <source>a broken character (a lone UTF-16 surrogate)</source>
        <translation>ein defektes Zeichen (ein einzelnes UTF-16-Surrogat)</translation>
    </message>
    <message>
        <source>%1 is %2 where a whole number from -32768 to 32767 is expected.</source>
        <translation>%1 ist %2, erwartet wird eine ganze Zahl von -32768 bis 32767.</translation>
    </message>
    <message>
        <source>%1 is NULL where text is expected; correct it in the database first.</source>
        <translation>%1 ist NULL, erwartet wird Text; korrigieren Sie das zuerst in der Datenbank.</translation>
    </message>
    <message>
        <source>the local socket</source>
        <translation>dem lokalen Socket</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a database address of the form postgresql://user@host[:port]/dbname (the password comes from PGPASSWORD or ~/.pgpass, never the command line).</source>
        <translation>„%1“ ist keine Datenbankadresse der Form postgresql://user@host[:port]/dbname (das Passwort kommt aus PGPASSWORD oder ~/.pgpass, nie von der Befehlszeile).</translation>
    </message>
    <message>
        <source>The SQLite database needs a file name: sqlite:PATH.</source>
        <translation>Die SQLite-Datenbank braucht einen Dateinamen: sqlite:PFAD.</translation>
    </message>
    <message>
        <source>%1 failed.</source>
        <translation>%1 ist fehlgeschlagen.</translation>
    </message>
    <message>
        <source>Preparing the save</source>
        <translation>Vorbereiten des Speicherns</translation>
    </message>
    <message>
        <source>The connection is not open.</source>
        <translation>Die Verbindung ist nicht geöffnet.</translation>
    </message>
    <message>
        <source>The vendor database has no place of its own: %1. Name one with --database.</source>
        <translation>Die Lieferantendatenbank hat keinen eigenen Ort: %1. Geben Sie einen mit --database an.</translation>
    </message>
    <message>
        <source>Nothing was removed: %1</source>
        <translation>Es wurde nichts entfernt: %1</translation>
    </message>
    <message>
        <source>Nothing was saved: %1</source>
        <translation>Es wurde nichts gespeichert: %1</translation>
    </message>
    <message>
        <source>Nothing was saved: address %1 (%2), field %3, holds %4, which cannot be stored. Remove it and save again.</source>
        <translation>Es wurde nichts gespeichert: Adresse %1 (%2), Feld %3, enthält %4, das nicht gespeichert werden kann. Entfernen Sie es und speichern Sie erneut.</translation>
    </message>
    <message>
        <source>Nothing was saved: another program is using %1. Try again in a moment.</source>
        <translation>Es wurde nichts gespeichert: Ein anderes Programm benutzt %1. Versuchen Sie es gleich noch einmal.</translation>
    </message>
    <message>
        <source>Checking whether the save was completed</source>
        <translation>Prüfen, ob das Speichern abgeschlossen wurde</translation>
    </message>
    <message>
        <source>Counting the addresses</source>
        <translation>Zählen der Adressen</translation>
    </message>
    <message>
        <source>Nothing was saved: vendor %1 would have %2 addresses, more than the %3 one vendor can have. Delete some addresses or add them to another vendor.</source>
        <translation>Es wurde nichts gespeichert: Lieferant %1 hätte %2 Adressen, mehr als die %3, die ein Lieferant haben kann. Löschen Sie einige Adressen oder legen Sie sie bei einem anderen Lieferanten an.</translation>
    </message>
    <message>
        <source>Adding address %1</source>
        <translation>Hinzufügen der Adresse %1</translation>
    </message>
    <message>
        <source>The database gave no id for the new address %1.</source>
        <translation>Die Datenbank hat für die neue Adresse %1 keine ID vergeben.</translation>
    </message>
    <message>
        <source>Recording the save</source>
        <translation>Vermerken des Speicherns</translation>
    </message>
    <message>
        <source>Completing the save</source>
        <translation>Abschluss des Speicherns</translation>
    </message>
    <message>
        <source>%1 holds bytes that are not UTF-8 text, which the control cannot show as they are; correct it in the database first.</source>
        <translation>%1 enthält Bytes, die kein UTF-8-Text sind und die das Steuerelement nicht unverändert anzeigen kann; korrigieren Sie den Wert zuerst in der Datenbank.</translation>
    </message>
    <message>
        <source>Reading the vendors</source>
        <translation>Lesen der Lieferanten</translation>
    </message>
    <message>
        <source>The name of vendor %1</source>
        <translation>Der Name von Lieferant %1</translation>
    </message>
    <message>
        <source>Reading the vendor</source>
        <translation>Lesen des Lieferanten</translation>
    </message>
    <message>
        <source>There is no vendor %1 in the %2.</source>
        <translation>Es gibt keinen Lieferanten %1 in: %2.</translation>
    </message>
    <message>
        <source>Reading the contact types</source>
        <translation>Lesen der Kontaktarten</translation>
    </message>
    <message>
        <source>Contact type %1, column %2</source>
        <translation>Kontaktart %1, Spalte %2</translation>
    </message>
    <message>
        <source>Reading the states</source>
        <translation>Lesen der Bundesländer</translation>
    </message>
    <message>
        <source>State %1, column %2</source>
        <translation>Bundesland %1, Spalte %2</translation>
    </message>
    <message>
        <source>Address %1, column %2</source>
        <translation>Adresse %1, Spalte %2</translation>
    </message>
    <message>
        <source>Reading the addresses</source>
        <translation>Lesen der Adressen</translation>
    </message>
    <message>
        <source>Qt&apos;s %1 database driver is not installed (scripts/install-deps.sh installs it).</source>
        <translation>Der Datenbanktreiber %1 von Qt ist nicht installiert (scripts/install-deps.sh installiert ihn).</translation>
    </message>
    <message>
        <source>Reading the tables</source>
        <translation>Lesen der Tabellen</translation>
    </message>
    <message>
        <source>%1 is not a vendor database (it has no table %2). It was left as it is.</source>
        <translation>%1 ist keine Lieferantendatenbank (ihr fehlt die Tabelle %2). Sie wurde nicht verändert.</translation>
    </message>
    <message>
        <source>Preparing the tables</source>
        <translation>Vorbereiten der Tabellen</translation>
    </message>
    <message>
        <source>database %1 on %2</source>
        <translation>Datenbank %1 auf %2</translation>
    </message>
    <message>
        <source>PostgreSQL database %1 on %2 as %3</source>
        <translation>PostgreSQL-Datenbank %1 auf %2 als %3</translation>
    </message>
    <message>
        <source>The PostgreSQL database %1 on %2 cannot be reached.</source>
        <translation>Die PostgreSQL-Datenbank %1 auf %2 ist nicht erreichbar.</translation>
    </message>
    <message>
        <source>The connection to the PostgreSQL database %1 on %2 was lost and could not be re-opened.</source>
        <translation>Die Verbindung zur PostgreSQL-Datenbank %1 auf %2 ist abgebrochen und ließ sich nicht wieder öffnen.</translation>
    </message>
    <message>
        <source>Starting the save</source>
        <translation>Beginn des Speicherns</translation>
    </message>
    <message>
        <source>Saving the addresses</source>
        <translation>Speichern der Adressen</translation>
    </message>
    <message>
        <source>Cannot listen for changes in the %1.</source>
        <translation>Änderungen können nicht verfolgt werden in: %1.</translation>
    </message>
    <message>
        <source>Looking for changes</source>
        <translation>Suche nach Änderungen</translation>
    </message>
    <message>
        <source>SQLite file %1</source>
        <translation>SQLite-Datei %1</translation>
    </message>
    <message>
        <source>The folder %1 does not exist, so there is no vendor database %2. Nothing was created.</source>
        <translation>Der Ordner %1 existiert nicht, also gibt es keine Lieferantendatenbank %2. Es wurde nichts angelegt.</translation>
    </message>
    <message>
        <source>There is no vendor database %1. Nothing was created.</source>
        <translation>Es gibt keine Lieferantendatenbank %1. Es wurde nichts angelegt.</translation>
    </message>
    <message>
        <source>The folder %1 could not be created.</source>
        <translation>Der Ordner %1 konnte nicht angelegt werden.</translation>
    </message>
    <message>
        <source>The new database %1 could not be created.</source>
        <translation>Die neue Datenbank %1 konnte nicht angelegt werden.</translation>
    </message>
    <message>
        <source>The file %1 is empty: it is not a vendor database.</source>
        <translation>Die Datei %1 ist leer: Sie ist keine Lieferantendatenbank.</translation>
    </message>
    <message>
        <source>%1 is not a file, so it is not a vendor database.</source>
        <translation>%1 ist keine Datei, also keine Lieferantendatenbank.</translation>
    </message>
    <message>
        <source>The file %1 is read-only.</source>
        <translation>Die Datei %1 ist schreibgeschützt.</translation>
    </message>
    <message>
        <source>The folder of %1 cannot be written to.</source>
        <translation>In den Ordner von %1 kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>The file %1 could not be opened.</source>
        <translation>Die Datei %1 konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Reading the file</source>
        <translation>Lesen der Datei</translation>
    </message>
    <message>
        <source>Checking the file</source>
        <translation>Prüfen der Datei</translation>
    </message>
    <message>
        <source>The file %1 is not a vendor database. It was left as it is.</source>
        <translation>Die Datei %1 ist keine Lieferantendatenbank. Sie wurde nicht verändert.</translation>
    </message>
    <message>
        <source>The vendor database %1 is damaged. It was left as it is.</source>
        <translation>Die Lieferantendatenbank %1 ist beschädigt. Sie wurde nicht verändert.</translation>
    </message>
    <message>
        <source>Reading the journal mode</source>
        <translation>Lesen des Journalmodus</translation>
    </message>
    <message>
        <source>Switching to the write-ahead log</source>
        <translation>Umstellen auf das Write-Ahead-Log</translation>
    </message>
    <message>
        <source>Saving address %1</source>
        <translation>Speichern der Adresse %1</translation>
    </message>
    <message>
        <source>Searching the vendors</source>
        <translation>Suchen der Lieferanten</translation>
    </message>
</context>
</TS>
