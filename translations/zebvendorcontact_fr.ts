<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>VendorContact</name>
    <message>
        <source>Name</source>
        <comment>field label: the contact&apos;s name</comment>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Street1</source>
        <comment>field label: first street line</comment>
        <translation>Rue 1</translation>
    </message>
    <message>
        <source>Street2</source>
        <comment>field label: second street line</comment>
        <translation>Rue 2</translation>
    </message>
    <message>
        <source>City</source>
        <comment>field label</comment>
        <translation>Ville</translation>
    </message>
    <message>
        <source>Country</source>
        <comment>field label</comment>
        <translation>Pays</translation>
    </message>
    <message>
        <source>State</source>
        <comment>field label: state or province of an address, not a status</comment>
        <translation>État/Prov.</translation>
    </message>
    <message>
        <source>Postal Code</source>
        <comment>field label</comment>
        <translation>Code postal</translation>
    </message>
    <message>
        <source>Phone</source>
        <comment>field label: main phone number</comment>
        <translation>Téléphone</translation>
    </message>
    <message>
        <source>FAX</source>
        <comment>field label: fax number</comment>
        <translation>Fax</translation>
    </message>
    <message>
        <source>E-Mail</source>
        <comment>field label: e-mail address</comment>
        <translation>Courriel</translation>
    </message>
    <message>
        <source>Phone 2</source>
        <comment>field label: second phone number</comment>
        <translation>Téléphone 2</translation>
    </message>
    <message>
        <source>Cell</source>
        <comment>field label: mobile phone number, not a table cell</comment>
        <translation>Mobile</translation>
    </message>
    <message>
        <source>AddressID</source>
        <comment>list column header (hidden): the address&apos;s id</comment>
        <translation>ID adresse</translation>
    </message>
    <message>
        <source>ObjectID</source>
        <comment>list column header (hidden): the vendor&apos;s id</comment>
        <translation>ID objet</translation>
    </message>
    <message>
        <source>Contact Name</source>
        <comment>list column header</comment>
        <translation>Nom du contact</translation>
    </message>
    <message>
        <source>Type</source>
        <comment>list column header: the kind of contact address</comment>
        <translation>Type</translation>
    </message>
    <message>
        <source>Street1</source>
        <comment>list column header (hidden): first street line</comment>
        <translation>Rue 1</translation>
    </message>
    <message>
        <source>Street2</source>
        <comment>list column header (hidden): second street line</comment>
        <translation>Rue 2</translation>
    </message>
    <message>
        <source>City</source>
        <comment>list column header (hidden)</comment>
        <translation>Ville</translation>
    </message>
    <message>
        <source>Country</source>
        <comment>list column header (hidden)</comment>
        <translation>Pays</translation>
    </message>
    <message>
        <source>State</source>
        <comment>list column header (hidden): state or province, not a status</comment>
        <translation>État/Province</translation>
    </message>
    <message>
        <source>PostalCode</source>
        <comment>list column header (hidden)</comment>
        <translation>Code postal</translation>
    </message>
    <message>
        <source>Phone</source>
        <comment>list column header: main phone number</comment>
        <translation>Téléphone</translation>
    </message>
    <message>
        <source>FAX</source>
        <comment>list column header (hidden): fax number</comment>
        <translation>Fax</translation>
    </message>
    <message>
        <source>Email</source>
        <comment>list column header (hidden): e-mail address</comment>
        <translation>Courriel</translation>
    </message>
    <message>
        <source>Phone 2</source>
        <comment>list column header: second phone number</comment>
        <translation>Téléphone 2</translation>
    </message>
    <message>
        <source>Cell</source>
        <comment>list column header: mobile phone number, not a table cell</comment>
        <translation>Mobile</translation>
    </message>
    <message>
        <source>Others</source>
        <comment>country picker: any country other than the USA and Canada</comment>
        <translation>Autres</translation>
    </message>
    <message>
        <source>USA</source>
        <comment>country picker: United States</comment>
        <translation>États-Unis</translation>
    </message>
    <message>
        <source>Canada</source>
        <comment>country picker</comment>
        <translation>Canada</translation>
    </message>
    <message>
        <source>Contact Name has not been provided.</source>
        <comment>message: required entry missing</comment>
        <translation>Le nom du contact n’a pas été indiqué.</translation>
    </message>
    <message>
        <source>Contact Street 1 has not been provided.</source>
        <comment>message: required entry missing</comment>
        <translation>La rue (ligne 1) du contact n’a pas été indiquée.</translation>
    </message>
    <message>
        <source>Contact City has not been provided.</source>
        <comment>message: required entry missing</comment>
        <translation>La ville du contact n’a pas été indiquée.</translation>
    </message>
    <message>
        <source>Contact Country has not been provided.</source>
        <comment>message: required entry missing</comment>
        <translation>Le pays du contact n’a pas été indiqué.</translation>
    </message>
    <message>
        <source>Contact State has not been provided.</source>
        <comment>message: required entry missing; state or province, not a status</comment>
        <translation>L’État ou la province du contact n’a pas été indiqué.</translation>
    </message>
    <message>
        <source>Contact Name</source>
        <comment>entry named in a message</comment>
        <translation>Le nom du contact</translation>
    </message>
    <message>
        <source>Contact Street 1</source>
        <comment>entry named in a message</comment>
        <translation>La rue (ligne 1)</translation>
    </message>
    <message>
        <source>Contact Street 2</source>
        <comment>entry named in a message</comment>
        <translation>La rue (ligne 2)</translation>
    </message>
    <message>
        <source>Contact City</source>
        <comment>entry named in a message</comment>
        <translation>La ville</translation>
    </message>
    <message>
        <source>Contact Postal Code</source>
        <comment>entry named in a message</comment>
        <translation>Le code postal</translation>
    </message>
    <message>
        <source>Contact Phone</source>
        <comment>entry named in a message</comment>
        <translation>Le numéro de téléphone</translation>
    </message>
    <message>
        <source>Contact FAX</source>
        <comment>entry named in a message</comment>
        <translation>Le numéro de fax</translation>
    </message>
    <message>
        <source>Contact E-Mail</source>
        <comment>entry named in a message</comment>
        <translation>Le courriel</translation>
    </message>
    <message>
        <source>Contact Phone 2</source>
        <comment>entry named in a message</comment>
        <translation>Le deuxième numéro de téléphone</translation>
    </message>
    <message>
        <source>Contact Cell</source>
        <comment>entry named in a message: mobile phone number</comment>
        <translation>Le numéro de mobile</translation>
    </message>
    <message>
        <source>Save</source>
        <comment>button: store the new address being added</comment>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Update</source>
        <comment>button: store the changes to the address</comment>
        <translation>Valider</translation>
    </message>
    <message>
        <source>Add</source>
        <comment>button: start adding a new address</comment>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Edit</source>
        <comment>button: start changing the selected address</comment>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Cancel</source>
        <comment>button: drop what was typed and stop adding or editing</comment>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Delete</source>
        <comment>button: delete the selected address</comment>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Type</source>
        <comment>label of the contact type picker</comment>
        <translation>Type</translation>
    </message>
    <message>
        <source>Version number: %1.%2.%3</source>
        <extracomment>%1.%2.%3 is the library&apos;s version, such as 2.0.2</extracomment>
        <translation>Version&#xa0;: %1.%2.%3</translation>
    </message>
    <message>
        <source>Information Required</source>
        <comment>title of the missing-entry message box</comment>
        <translation>Information requise</translation>
    </message>
    <message>
        <source>Do you want to delete the selected Address?</source>
        <comment>question before deleting; answered with Yes or No</comment>
        <translation>Voulez-vous supprimer l’adresse sélectionnée&#xa0;?</translation>
    </message>
    <message>
        <source>Information Validation</source>
        <comment>title of the delete question box</comment>
        <translation>Confirmation</translation>
    </message>
    <message>
        <source>No more new addresses can be added to this vendor. Cancel, hand the changes to the host and reload to continue.</source>
        <comment>Save refused: the panel has given out every id it can make for new addresses</comment>
        <translation>Il n&apos;est plus possible d&apos;ajouter de nouvelles adresses à ce fournisseur. Annulez, transmettez les modifications à l&apos;application hôte et rechargez pour continuer.</translation>
    </message>
    <message>
        <source>Contacts</source>
        <comment>accessible name of the address list</comment>
        <translation>Adresses de contact</translation>
    </message>
    <message>
        <source>Required</source>
        <comment>accessible description of an entry that must be filled in</comment>
        <translation>Obligatoire</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; cannot be saved with the field separator &quot;%3&quot;.</source>
        <comment>message: %1 is a value such as &quot;The vendor id&quot;</comment>
        <translation>%1 «&#xa0;%2&#xa0;» ne peut pas être enregistré avec le séparateur de champs «&#xa0;%3&#xa0;».</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; cannot be saved with the record separator &quot;%3&quot;.</source>
        <comment>message: %1 is a value such as &quot;The vendor id&quot;</comment>
        <translation>%1 «&#xa0;%2&#xa0;» ne peut pas être enregistré avec le séparateur d’enregistrements «&#xa0;%3&#xa0;».</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; cannot be saved with the table separator &quot;%3&quot;.</source>
        <comment>message: %1 is a value such as &quot;The vendor id&quot;</comment>
        <translation>%1 «&#xa0;%2&#xa0;» ne peut pas être enregistré avec le séparateur de tables «&#xa0;%3&#xa0;».</translation>
    </message>
    <message>
        <source>The new address id</source>
        <comment>start of a message</comment>
        <translation>Le nouvel identifiant d’adresse</translation>
    </message>
    <message>
        <source>The address id</source>
        <comment>start of a message</comment>
        <translation>L’identifiant d’adresse</translation>
    </message>
    <message>
        <source>The vendor id</source>
        <comment>start of a message</comment>
        <translation>L’identifiant du fournisseur</translation>
    </message>
    <message>
        <source>The contact type id</source>
        <comment>start of a message</comment>
        <translation>L’identifiant du type de contact</translation>
    </message>
    <message>
        <source>The country code</source>
        <comment>start of a message</comment>
        <translation>Le code du pays</translation>
    </message>
    <message>
        <source>The state id</source>
        <comment>start of a message; state or province, not a status</comment>
        <translation>L’identifiant de l’État ou de la province</translation>
    </message>
    <message>
        <source>No address can be saved with the field separator &quot;%1&quot; and the record separator &quot;%2&quot;.</source>
        <comment>message: these separators cannot carry any address</comment>
        <translation>Aucune adresse ne peut être enregistrée avec le séparateur de champs «&#xa0;%1&#xa0;» et le séparateur d’enregistrements «&#xa0;%2&#xa0;».</translation>
    </message>
    <message>
        <source>These entries hold characters that the application uses to separate values. Please remove them:</source>
        <comment>message: a list of entries follows, one per line, each with the characters it must not hold</comment>
        <translation>Ces entrées contiennent des caractères que l&apos;application utilise pour séparer les valeurs. Veuillez les retirer&#xa0;:</translation>
    </message>
    <message>
        <source>&quot;%1&quot;</source>
        <comment>a separator shown in a message, in the language&apos;s quotation marks</comment>
        <translation>«&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a line of a message: an entry, then the separators it holds, comma-separated</comment>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1: must not begin or end with part of %2</source>
        <comment>a line of a message: the entry&apos;s first or last characters would be read as part of the separator %2</comment>
        <translation>%1&#xa0;: ne doit ni commencer ni finir par une partie de %2</translation>
    </message>
</context>
<context>
    <name>VendorContactDesignerPlugin</name>
    <message>
        <source>ZebVendorContact</source>
        <extracomment>Tooltip of the control in Designer&apos;s widget box: the library&apos;s name</extracomment>
        <translation>ZebVendorContact</translation>
    </message>
    <message>
        <source>Shows and edits the contact addresses of one vendor. The host fills it with LetVendorIDNMode and LetContactAddress and reads the changes with GetContactAddress.</source>
        <extracomment>The method names are the control&apos;s programming interface: keep them as they are</extracomment>
        <translation>Affiche et modifie les adresses de contact d’un fournisseur. L’application hôte le remplit avec LetVendorIDNMode et LetContactAddress et en lit les modifications avec GetContactAddress.</translation>
    </message>
</context>
</TS>
