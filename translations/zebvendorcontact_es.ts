<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>VendorContact</name>
    <message>
        <source>Name</source>
        <comment>field label: the contact&apos;s name</comment>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Street1</source>
        <comment>field label: first street line</comment>
        <translation>Calle 1</translation>
    </message>
    <message>
        <source>Street2</source>
        <comment>field label: second street line</comment>
        <translation>Calle 2</translation>
    </message>
    <message>
        <source>City</source>
        <comment>field label</comment>
        <translation>Ciudad</translation>
    </message>
    <message>
        <source>Country</source>
        <comment>field label</comment>
        <translation>País</translation>
    </message>
    <message>
        <source>State</source>
        <comment>field label: state or province of an address, not a status</comment>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Postal Code</source>
        <comment>field label</comment>
        <translation>Código postal</translation>
    </message>
    <message>
        <source>Phone</source>
        <comment>field label: main phone number</comment>
        <translation>Teléfono</translation>
    </message>
    <message>
        <source>FAX</source>
        <comment>field label: fax number</comment>
        <translation>Fax</translation>
    </message>
    <message>
        <source>E-Mail</source>
        <comment>field label: e-mail address</comment>
        <translation>Correo</translation>
    </message>
    <message>
        <source>Phone 2</source>
        <comment>field label: second phone number</comment>
        <translation>Teléfono 2</translation>
    </message>
    <message>
        <source>Cell</source>
        <comment>field label: mobile phone number, not a table cell</comment>
        <translation>Celular</translation>
    </message>
    <message>
        <source>AddressID</source>
        <comment>list column header (hidden): the address&apos;s id</comment>
        <translation>ID de dirección</translation>
    </message>
    <message>
        <source>ObjectID</source>
        <comment>list column header (hidden): the vendor&apos;s id</comment>
        <translation>ID de objeto</translation>
    </message>
    <message>
        <source>Contact Name</source>
        <comment>list column header</comment>
        <translation>Nombre del contacto</translation>
    </message>
    <message>
        <source>Type</source>
        <comment>list column header: the kind of contact address</comment>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Street1</source>
        <comment>list column header (hidden): first street line</comment>
        <translation>Calle 1</translation>
    </message>
    <message>
        <source>Street2</source>
        <comment>list column header (hidden): second street line</comment>
        <translation>Calle 2</translation>
    </message>
    <message>
        <source>City</source>
        <comment>list column header (hidden)</comment>
        <translation>Ciudad</translation>
    </message>
    <message>
        <source>Country</source>
        <comment>list column header (hidden)</comment>
        <translation>País</translation>
    </message>
    <message>
        <source>State</source>
        <comment>list column header (hidden): state or province, not a status</comment>
        <translation>Estado</translation>
    </message>
    <message>
        <source>PostalCode</source>
        <comment>list column header (hidden)</comment>
        <translation>Código postal</translation>
    </message>
    <message>
        <source>Phone</source>
        <comment>list column header: main phone number</comment>
        <translation>Teléfono</translation>
    </message>
    <message>
        <source>FAX</source>
        <comment>list column header (hidden): fax number</comment>
        <translation>Fax</translation>
    </message>
    <message>
        <source>Email</source>
        <comment>list column header (hidden): e-mail address</comment>
        <translation>Correo electrónico</translation>
    </message>
    <message>
        <source>Phone 2</source>
        <comment>list column header: second phone number</comment>
        <translation>Teléfono 2</translation>
    </message>
    <message>
        <source>Cell</source>
        <comment>list column header: mobile phone number, not a table cell</comment>
        <translation>Celular</translation>
    </message>
    <message>
        <source>Others</source>
        <comment>country picker: any country other than the USA and Canada</comment>
        <translation>Otros</translation>
    </message>
    <message>
        <source>USA</source>
        <comment>country picker: United States</comment>
        <translation>Estados Unidos</translation>
    </message>
    <message>
        <source>Canada</source>
        <comment>country picker</comment>
        <translation>Canadá</translation>
    </message>
    <message>
        <source>Contact Name has not been provided.</source>
        <comment>message: required entry missing</comment>
        <translation>No se ha indicado el nombre del contacto.</translation>
    </message>
    <message>
        <source>Contact Street 1 has not been provided.</source>
        <comment>message: required entry missing</comment>
        <translation>No se ha indicado la calle (línea 1) del contacto.</translation>
    </message>
    <message>
        <source>Contact City has not been provided.</source>
        <comment>message: required entry missing</comment>
        <translation>No se ha indicado la ciudad del contacto.</translation>
    </message>
    <message>
        <source>Contact Country has not been provided.</source>
        <comment>message: required entry missing</comment>
        <translation>No se ha indicado el país del contacto.</translation>
    </message>
    <message>
        <source>Contact State has not been provided.</source>
        <comment>message: required entry missing; state or province, not a status</comment>
        <translation>No se ha indicado el estado del contacto.</translation>
    </message>
    <message>
        <source>Contact Name</source>
        <comment>entry named in a message</comment>
        <translation>El nombre del contacto</translation>
    </message>
    <message>
        <source>Contact Street 1</source>
        <comment>entry named in a message</comment>
        <translation>La calle (línea 1)</translation>
    </message>
    <message>
        <source>Contact Street 2</source>
        <comment>entry named in a message</comment>
        <translation>La calle (línea 2)</translation>
    </message>
    <message>
        <source>Contact City</source>
        <comment>entry named in a message</comment>
        <translation>La ciudad</translation>
    </message>
    <message>
        <source>Contact Postal Code</source>
        <comment>entry named in a message</comment>
        <translation>El código postal</translation>
    </message>
    <message>
        <source>Contact Phone</source>
        <comment>entry named in a message</comment>
        <translation>El teléfono</translation>
    </message>
    <message>
        <source>Contact FAX</source>
        <comment>entry named in a message</comment>
        <translation>El fax</translation>
    </message>
    <message>
        <source>Contact E-Mail</source>
        <comment>entry named in a message</comment>
        <translation>El correo electrónico</translation>
    </message>
    <message>
        <source>Contact Phone 2</source>
        <comment>entry named in a message</comment>
        <translation>El segundo teléfono</translation>
    </message>
    <message>
        <source>Contact Cell</source>
        <comment>entry named in a message: mobile phone number</comment>
        <translation>El celular</translation>
    </message>
    <message>
        <source>Save</source>
        <comment>button: store the new address being added</comment>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Update</source>
        <comment>button: store the changes to the address</comment>
        <translation>Actualizar</translation>
    </message>
    <message>
        <source>Add</source>
        <comment>button: start adding a new address</comment>
        <translation>Agregar</translation>
    </message>
    <message>
        <source>Edit</source>
        <comment>button: start changing the selected address</comment>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <comment>button: drop what was typed and stop adding or editing</comment>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Delete</source>
        <comment>button: delete the selected address</comment>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Type</source>
        <comment>label of the contact type picker</comment>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Version number: %1.%2.%3</source>
        <extracomment>%1.%2.%3 is the library&apos;s version, such as 2.0.2</extracomment>
        <translation>Versión: %1.%2.%3</translation>
    </message>
    <message>
        <source>Information Required</source>
        <comment>title of the missing-entry message box</comment>
        <translation>Información requerida</translation>
    </message>
    <message>
        <source>Do you want to delete the selected Address?</source>
        <comment>question before deleting; answered with Yes or No</comment>
        <translation>¿Desea eliminar la dirección seleccionada?</translation>
    </message>
    <message>
        <source>Information Validation</source>
        <comment>title of the delete question box</comment>
        <translation>Confirmación</translation>
    </message>
    <message>
        <source>No more new addresses can be added to this vendor. Cancel, hand the changes to the host and reload to continue.</source>
        <comment>Save refused: the panel has given out every id it can make for new addresses</comment>
        <translation>No se pueden añadir más direcciones nuevas a este proveedor. Cancele, entregue los cambios a la aplicación anfitriona y vuelva a cargar para continuar.</translation>
    </message>
    <message>
        <source>Contacts</source>
        <comment>accessible name of the address list</comment>
        <translation>Direcciones de contacto</translation>
    </message>
    <message>
        <source>Required</source>
        <comment>accessible description of an entry that must be filled in</comment>
        <translation>Obligatorio</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; cannot be saved with the field separator &quot;%3&quot;.</source>
        <comment>message: %1 is a value such as &quot;The vendor id&quot;</comment>
        <translation>%1 «%2» no se puede guardar con el separador de campos «%3».</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; cannot be saved with the record separator &quot;%3&quot;.</source>
        <comment>message: %1 is a value such as &quot;The vendor id&quot;</comment>
        <translation>%1 «%2» no se puede guardar con el separador de registros «%3».</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; cannot be saved with the table separator &quot;%3&quot;.</source>
        <comment>message: %1 is a value such as &quot;The vendor id&quot;</comment>
        <translation>%1 «%2» no se puede guardar con el separador de tablas «%3».</translation>
    </message>
    <message>
        <source>The new address id</source>
        <comment>start of a message</comment>
        <translation>El nuevo identificador de dirección</translation>
    </message>
    <message>
        <source>The address id</source>
        <comment>start of a message</comment>
        <translation>El identificador de dirección</translation>
    </message>
    <message>
        <source>The vendor id</source>
        <comment>start of a message</comment>
        <translation>El identificador del proveedor</translation>
    </message>
    <message>
        <source>The contact type id</source>
        <comment>start of a message</comment>
        <translation>El identificador del tipo de contacto</translation>
    </message>
    <message>
        <source>The country code</source>
        <comment>start of a message</comment>
        <translation>El código de país</translation>
    </message>
    <message>
        <source>The state id</source>
        <comment>start of a message; state or province, not a status</comment>
        <translation>El identificador del estado</translation>
    </message>
    <message>
        <source>No address can be saved with the field separator &quot;%1&quot; and the record separator &quot;%2&quot;.</source>
        <comment>message: these separators cannot carry any address</comment>
        <translation>No se puede guardar ninguna dirección con el separador de campos «%1» y el separador de registros «%2».</translation>
    </message>
    <message>
        <source>These entries hold characters that the application uses to separate values. Please remove them:</source>
        <comment>message: a list of entries follows, one per line, each with the characters it must not hold</comment>
        <translation>Estas entradas contienen caracteres que la aplicación usa para separar los valores. Elimínelos, por favor:</translation>
    </message>
    <message>
        <source>&quot;%1&quot;</source>
        <comment>a separator shown in a message, in the language&apos;s quotation marks</comment>
        <translation>«%1»</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a line of a message: an entry, then the separators it holds, comma-separated</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: must not begin or end with part of %2</source>
        <comment>a line of a message: the entry&apos;s first or last characters would be read as part of the separator %2</comment>
        <translation>%1: no debe empezar ni terminar con una parte de %2</translation>
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
        <translation>Muestra y edita las direcciones de contacto de un proveedor. La aplicación anfitriona lo llena con LetVendorIDNMode y LetContactAddress y lee los cambios con GetContactAddress.</translation>
    </message>
</context>
</TS>
