<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>VendorChanges</name>
    <message>
        <source>Others</source>
        <translation>Otros</translation>
    </message>
    <message>
        <source>USA</source>
        <translation>Estados Unidos</translation>
    </message>
    <message>
        <source>Canada</source>
        <translation>Canadá</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Ciudad</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>País</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Postal code</source>
        <translation>Código postal</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Teléfono</translation>
    </message>
    <message>
        <source>Fax</source>
        <translation>Fax</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>Correo electrónico</translation>
    </message>
    <message>
        <source>Cell</source>
        <translation>Celular</translation>
    </message>
    <message>
        <source>Street 1</source>
        <translation>Calle 1</translation>
    </message>
    <message>
        <source>Street 2</source>
        <translation>Calle 2</translation>
    </message>
    <message>
        <source>Phone 2</source>
        <translation>Teléfono 2</translation>
    </message>
</context>
<context>
    <name>VendorContactHost::ChangeNotice</name>
    <message>
        <source>1 address of this vendor was changed by someone else</source>
        <translation>Otra persona cambió 1 dirección de este proveedor</translation>
    </message>
    <message numerus="yes">
        <source>%n addresses of this vendor were changed by someone else</source>
        <translation>
            <numerusform>Otra persona cambió %n dirección de este proveedor</numerusform>
            <numerusform>Otra persona cambió %n direcciones de este proveedor</numerusform>
        </translation>
    </message>
    <message>
        <source>Show &amp;changes…</source>
        <translation>Ver los &amp;cambios…</translation>
    </message>
</context>
<context>
    <name>VendorContactHost::ConflictDialog</name>
    <message>
        <source>Changed by someone else</source>
        <translation>Modificado por otra persona</translation>
    </message>
    <message>
        <source>Since your last save, someone else changed or deleted addresses of %1 that you changed too (listed below). Nothing was saved.</source>
        <translation>Desde la última vez que guardó, otra persona cambió o eliminó direcciones de %1 que usted también cambió (ver abajo). No se guardó nada.</translation>
    </message>
    <message>
        <source>Someone else changed the addresses of %1 listed below while you were working on it. Your unsaved changes are still in the panel.</source>
        <translation>Mientras usted trabajaba, otra persona cambió las direcciones de %1 que se muestran abajo. Sus cambios sin guardar siguen en el panel.</translation>
    </message>
    <message>
        <source>Addresses changed by someone else</source>
        <translation>Direcciones cambiadas por otra persona</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Dirección</translation>
    </message>
    <message>
        <source>Their value</source>
        <translation>Su valor (de ellos)</translation>
    </message>
    <message>
        <source>Your value</source>
        <translation>Su valor (suyo)</translation>
    </message>
    <message>
        <source>Keep &amp;mine</source>
        <translation>Conservar las &amp;mías</translation>
    </message>
    <message>
        <source>&amp;Take theirs for these addresses</source>
        <translation>&amp;Tomar la versión de ellos para estas direcciones</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>changed by them and by you</source>
        <translation>cambiada por ellos y por usted</translation>
    </message>
    <message>
        <source>changed by them</source>
        <translation>cambiada por ellos</translation>
    </message>
    <message>
        <source>added by them</source>
        <translation>añadida por ellos</translation>
    </message>
    <message>
        <source>deleted by them</source>
        <translation>eliminada por ellos</translation>
    </message>
    <message>
        <source>Save mine as a new address</source>
        <translation>Guardar la mía como dirección nueva</translation>
    </message>
    <message>
        <source>Keep mine saves your version over theirs for 1 address.</source>
        <translation>«Conservar las mías» guarda su versión sobre la de ellos en 1 dirección.</translation>
    </message>
    <message numerus="yes">
        <source>Keep mine saves your version over theirs for %n addresses.</source>
        <translation>
            <numerusform>«Conservar las mías» guarda su versión sobre la de ellos en %n dirección.</numerusform>
            <numerusform>«Conservar las mías» guarda su versión sobre la de ellos en %n direcciones.</numerusform>
        </translation>
    </message>
    <message>
        <source>Keep mine keeps your version of 1 address; the next save writes it over theirs.</source>
        <translation>«Conservar las mías» conserva su versión de 1 dirección; al guardar la próxima vez se escribe sobre la de ellos.</translation>
    </message>
    <message numerus="yes">
        <source>Keep mine keeps your version of %n addresses; the next save writes them over theirs.</source>
        <translation>
            <numerusform>«Conservar las mías» conserva su versión de %n dirección; al guardar la próxima vez se escribe sobre la de ellos.</numerusform>
            <numerusform>«Conservar las mías» conserva su versión de %n direcciones; al guardar la próxima vez se escriben sobre la de ellos.</numerusform>
        </translation>
    </message>
    <message>
        <source>Take theirs drops your changes to this address; your other unsaved changes stay.</source>
        <translation>«Tomar la versión de ellos» descarta sus cambios en esta dirección; sus demás cambios sin guardar se conservan.</translation>
    </message>
    <message numerus="yes">
        <source>Take theirs drops your changes to these %n addresses; your other unsaved changes stay.</source>
        <translation>
            <numerusform>«Tomar la versión de ellos» descarta sus cambios en esta %n dirección; sus demás cambios sin guardar se conservan.</numerusform>
            <numerusform>«Tomar la versión de ellos» descarta sus cambios en estas %n direcciones; sus demás cambios sin guardar se conservan.</numerusform>
        </translation>
    </message>
    <message>
        <source>The deleted address you ticked is kept as a new address with your values.</source>
        <translation>La dirección eliminada que marcó se conserva como dirección nueva con sus valores.</translation>
    </message>
    <message numerus="yes">
        <source>The %n deleted addresses you ticked are kept as new addresses with your values.</source>
        <translation>
            <numerusform>La %n dirección eliminada que marcó se conserva como dirección nueva con sus valores.</numerusform>
            <numerusform>Las %n direcciones eliminadas que marcó se conservan como direcciones nuevas con sus valores.</numerusform>
        </translation>
    </message>
    <message>
        <source>Cancel changes nothing.</source>
        <translation>«Cancelar» no cambia nada.</translation>
    </message>
    <message>
        <source>Keep mine drops your changes to 1 address they deleted.</source>
        <translation>«Conservar las mías» descarta sus cambios en 1 dirección que ellos eliminaron.</translation>
    </message>
    <message numerus="yes">
        <source>Keep mine drops your changes to %n addresses they deleted.</source>
        <translation>
            <numerusform>«Conservar las mías» descarta sus cambios en %n dirección que ellos eliminaron.</numerusform>
            <numerusform>«Conservar las mías» descarta sus cambios en %n direcciones que ellos eliminaron.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>VendorContactHost::ControlCalls</name>
    <message>
        <source>The control library %1 does not exist.</source>
        <translation>La biblioteca del control %1 no existe.</translation>
    </message>
    <message>
        <source>Registering %1 failed: %2</source>
        <translation>El registro de %1 falló: %2</translation>
    </message>
    <message>
        <source>the factory returned no control</source>
        <translation>la fábrica no devolvió ningún control</translation>
    </message>
    <message>
        <source>The control could not be created: %1</source>
        <translation>No se pudo crear el control: %1</translation>
    </message>
</context>
<context>
    <name>VendorContactHost::DatabaseTrouble</name>
    <message>
        <source>Opened read-only: %1 cannot be written, so changes cannot be saved.</source>
        <translation>Abierto en solo lectura: %1 no se puede escribir, así que los cambios no se pueden guardar.</translation>
    </message>
    <message>
        <source>Vendor database in use</source>
        <translation>Base de datos de proveedores en uso</translation>
    </message>
    <message>
        <source>&amp;Retry</source>
        <translation>&amp;Reintentar</translation>
    </message>
    <message>
        <source>Read-only vendor database</source>
        <translation>Base de datos de proveedores de solo lectura</translation>
    </message>
    <message>
        <source>The vendor database %1 cannot be written, so nothing was saved. Your changes are still in the window.

Ask for write access to the file and its folder, or work on a copy you may write.</source>
        <translation>La base de datos de proveedores %1 no se puede escribir, así que no se guardó nada. Sus cambios siguen en la ventana.

Pida permiso de escritura para el archivo y su carpeta, o trabaje con una copia que pueda escribir.</translation>
    </message>
    <message>
        <source>Damaged vendor database</source>
        <translation>Base de datos de proveedores dañada</translation>
    </message>
    <message>
        <source>Not a vendor database</source>
        <translation>No es una base de datos de proveedores</translation>
    </message>
    <message>
        <source>The vendor database %1 is damaged: it failed its integrity check.</source>
        <translation>La base de datos de proveedores %1 está dañada: no superó la comprobación de integridad.</translation>
    </message>
    <message>
        <source>%1 is not a vendor database.</source>
        <translation>%1 no es una base de datos de proveedores.</translation>
    </message>
    <message>
        <source>It was left exactly as it is.

Open another file, or create a new vendor database elsewhere.</source>
        <translation>El archivo se dejó tal como estaba.

Abra otro archivo o cree una base de datos de proveedores nueva en otro lugar.</translation>
    </message>
    <message>
        <source>&amp;Open Another File…</source>
        <translation>&amp;Abrir otro archivo…</translation>
    </message>
    <message>
        <source>Create &amp;New Database…</source>
        <translation>Crear una base &amp;nueva…</translation>
    </message>
    <message>
        <source>No vendor database there</source>
        <translation>No hay ninguna base de datos de proveedores ahí</translation>
    </message>
    <message>
        <source>The folder of %1 does not exist, so there is no vendor database there. Check the path for a typo.</source>
        <translation>La carpeta de %1 no existe, así que ahí no hay ninguna base de datos de proveedores. Compruebe que la ruta no tenga erratas.</translation>
    </message>
    <message>
        <source>There is no vendor database at %1.</source>
        <translation>No hay ninguna base de datos de proveedores en %1.</translation>
    </message>
    <message>
        <source>Create a new vendor database there, with the sample vendors?</source>
        <translation>¿Crear ahí una base de datos de proveedores nueva, con los proveedores de ejemplo?</translation>
    </message>
    <message>
        <source>C&amp;reate</source>
        <translation>C&amp;rear</translation>
    </message>
    <message>
        <source>Cannot reach the database server</source>
        <translation>No se puede acceder al servidor de base de datos</translation>
    </message>
    <message>
        <source>Re&amp;connect</source>
        <translation>Re&amp;conectar</translation>
    </message>
    <message>
        <source>Connection to the database lost</source>
        <translation>Se perdió la conexión con la base de datos</translation>
    </message>
    <message>
        <source>Nothing you typed is lost.</source>
        <translation>No se pierde nada de lo que ha escrito.</translation>
    </message>
    <message>
        <source>Another program is using the vendor database %1, so it cannot be used just now.</source>
        <translation>Otro programa está usando la base de datos de proveedores %1, así que no se puede usar ahora mismo.</translation>
    </message>
    <message>
        <source>Close the other program or wait a moment, then press Retry.</source>
        <translation>Cierre el otro programa o espere un momento y pulse Reintentar.</translation>
    </message>
    <message>
        <source>The vendor database (%1) cannot be reached: the server is not running, refuses the connection, or the login failed.

Start the server or check the address, then press Reconnect.</source>
        <translation>No se puede acceder a la base de datos de proveedores (%1): el servidor no está en marcha, rechaza la conexión o el inicio de sesión falló.

Inicie el servidor o compruebe la dirección y pulse Reconectar.</translation>
    </message>
    <message>
        <source>The connection to the vendor database (%1) was lost and could not be re-opened. Your unsaved changes are still in the window.

When the server is back, press Reconnect.</source>
        <translation>Se perdió la conexión con la base de datos de proveedores (%1) y no se pudo volver a abrir. Sus cambios sin guardar siguen en la ventana.

Cuando el servidor vuelva, pulse Reconectar.</translation>
    </message>
</context>
<context>
    <name>VendorContactHost::DeveloperDock</name>
    <message>
        <source>Developer</source>
        <translation>Desarrollador</translation>
    </message>
    <message>
        <source>Calls</source>
        <translation>Llamadas</translation>
    </message>
    <message>
        <source>Load text</source>
        <translation>Texto de carga</translation>
    </message>
    <message>
        <source>Added and changed addresses</source>
        <translation>Direcciones agregadas y modificadas</translation>
    </message>
    <message>
        <source>Vendor ID</source>
        <translation>ID del proveedor</translation>
    </message>
    <message>
        <source>Edit allowed</source>
        <translation>Edición permitida</translation>
    </message>
    <message>
        <source>One record per line; the line breaks are not sent.</source>
        <translation>Un registro por línea; los saltos de línea no se envían.</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Campo</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Registro</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Tabla</translation>
    </message>
    <message>
        <source>%1 separator</source>
        <translation>Separador %1</translation>
    </message>
    <message>
        <source>Call %1</source>
        <translation>Llamar a %1</translation>
    </message>
    <message>
        <source>Export text</source>
        <translation>Texto exportado</translation>
    </message>
    <message>
        <source>The exact text %1 returned</source>
        <translation>El texto exacto que devolvió %1</translation>
    </message>
    <message>
        <source>Not asked yet.</source>
        <translation>Aún no se ha consultado.</translation>
    </message>
    <message>
        <source>No added or changed addresses.</source>
        <translation>No hay direcciones agregadas ni modificadas.</translation>
    </message>
    <message>
        <source>%1 failed: %2</source>
        <translation>%1 falló: %2</translation>
    </message>
    <message>
        <source>The export cannot be read: %1</source>
        <translation>No se puede leer la exportación: %1</translation>
    </message>
    <message numerus="yes">
        <source>Entries: %n, one per row:</source>
        <translation>
            <numerusform>Entradas: %n, una por fila:</numerusform>
            <numerusform>Entradas: %n, una por fila:</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>VendorContactHost::LanguageMenu</name>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <source>System language</source>
        <translation>Idioma del sistema</translation>
    </message>
</context>
<context>
    <name>VendorContactHost::MainWindow</name>
    <message>
        <source>Create a new vendor database</source>
        <translation>Crear una base de datos de proveedores nueva</translation>
    </message>
    <message>
        <source>Open a vendor database</source>
        <translation>Abrir una base de datos de proveedores</translation>
    </message>
    <message>
        <source>Vendor databases (*.sqlite *.db);;All files (*)</source>
        <translation>Bases de datos de proveedores (*.sqlite *.db);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>VendorContact control</source>
        <translation>Control VendorContact</translation>
    </message>
    <message>
        <source>Creating the control…</source>
        <translation>Creando el control…</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>&amp;Revert</source>
        <translation>&amp;Revertir</translation>
    </message>
    <message>
        <source>Allow &amp;editing</source>
        <translation>Permitir la &amp;edición</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>%1 — Vendor address book[*]</source>
        <translation>%1 — Libreta de direcciones de proveedores[*]</translation>
    </message>
    <message>
        <source>Vendor address book[*]</source>
        <translation>Libreta de direcciones de proveedores[*]</translation>
    </message>
    <message>
        <source>Showing a load text without a database: Save is not available.</source>
        <translation>Se muestra un texto de carga sin base de datos: no se puede guardar.</translation>
    </message>
    <message>
        <source>Re&amp;move Address…</source>
        <translation>Eli&amp;minar dirección…</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Open Database…</source>
        <translation>&amp;Abrir base de datos…</translation>
    </message>
    <message>
        <source>Open &amp;Server Database…</source>
        <translation>Abrir base de datos de &amp;servidor…</translation>
    </message>
    <message>
        <source>&amp;New Database…</source>
        <translation>&amp;Nueva base de datos…</translation>
    </message>
    <message>
        <source>&amp;Recent Databases</source>
        <translation>Bases de datos &amp;recientes</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Address</source>
        <translation>&amp;Dirección</translation>
    </message>
    <message>
        <source>No database open — Vendor address book[*]</source>
        <translation>Ninguna base de datos abierta — Libreta de direcciones de proveedores[*]</translation>
    </message>
    <message>
        <source>Open a server database</source>
        <translation>Abrir una base de datos de servidor</translation>
    </message>
    <message>
        <source>The PostgreSQL database&apos;s address, such as postgresql://user@host/vendors (the password comes from PGPASSWORD or ~/.pgpass):</source>
        <translation>La dirección de la base de datos PostgreSQL, por ejemplo postgresql://usuario@host/vendors (la contraseña se toma de PGPASSWORD o de ~/.pgpass):</translation>
    </message>
    <message>
        <source>(none yet)</source>
        <translation>(ninguna todavía)</translation>
    </message>
    <message>
        <source>The vendor list could not be read: %1</source>
        <translation>No se pudo leer la lista de proveedores: %1</translation>
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
        <translation>No hay ninguna base de datos de proveedores abierta. Elija Archivo &gt; Abrir base de datos… para abrir una, o Archivo &gt; Nueva base de datos… para crear una.</translation>
    </message>
    <message>
        <source>Opened %1.</source>
        <translation>Se abrió %1.</translation>
    </message>
    <message>
        <source>Cannot open the vendor database</source>
        <translation>No se puede abrir la base de datos de proveedores</translation>
    </message>
    <message>
        <source>Create a new vendor database</source>
        <translation>Crear una base de datos de proveedores nueva</translation>
    </message>
    <message>
        <source>Open a vendor database</source>
        <translation>Abrir una base de datos de proveedores</translation>
    </message>
    <message>
        <source>Cannot open the vendor</source>
        <translation>No se puede abrir el proveedor</translation>
    </message>
    <message numerus="yes">
        <source>%1, from %2; addresses: %n.</source>
        <translation>
            <numerusform>%1, de %2; direcciones: %n.</numerusform>
            <numerusform>%1, de %2; direcciones: %n.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 was shown only in part: the control did not take all of it (the Developer panel&apos;s calls say why).</source>
        <translation>%1 se muestra solo en parte: el control no lo aceptó todo (las llamadas del panel Desarrollador explican por qué).</translation>
    </message>
    <message>
        <source>Changes made by someone else cannot be followed for now: %1</source>
        <translation>Por ahora no se pueden seguir los cambios hechos por otra persona: %1</translation>
    </message>
    <message>
        <source>%1 was changed by someone else; the panel shows the changes.</source>
        <translation>Otra persona cambió %1; el panel muestra los cambios.</translation>
    </message>
    <message>
        <source>Changes made by someone else could not be read: %1</source>
        <translation>No se pudieron leer los cambios hechos por otra persona: %1</translation>
    </message>
    <message>
        <source>Changed by someone else</source>
        <translation>Modificado por otra persona</translation>
    </message>
    <message>
        <source>You are still adding or editing an address: press Save or Update in the panel to keep it, or Cancel to drop it, then look at the changes.</source>
        <translation>Todavía está añadiendo o editando una dirección: pulse Guardar o Actualizar en el panel para conservarla, o Cancelar para descartarla, y luego mire los cambios.</translation>
    </message>
    <message>
        <source>The control did not hand back its changes; nothing was saved.</source>
        <translation>El control no devolvió sus cambios; no se guardó nada.</translation>
    </message>
    <message numerus="yes">
        <source>Not saved: someone else changed %n of your addresses.</source>
        <translation>
            <numerusform>No guardado: otra persona modificó %n de sus direcciones.</numerusform>
            <numerusform>No guardado: otra persona modificó %n de sus direcciones.</numerusform>
        </translation>
    </message>
    <message>
        <source>The panel keeps your values; saving writes them over the changes of someone else.</source>
        <translation>El panel conserva sus valores; al guardar se escriben sobre los cambios de otra persona.</translation>
    </message>
    <message>
        <source>The panel shows the changes of someone else, with your unsaved changes on top.</source>
        <translation>El panel muestra los cambios de otra persona, con sus cambios sin guardar encima.</translation>
    </message>
    <message>
        <source>The panel shows the changes of someone else.</source>
        <translation>El panel muestra los cambios de otra persona.</translation>
    </message>
    <message>
        <source>Remove Address</source>
        <translation>Eliminar dirección</translation>
    </message>
    <message>
        <source>Save or revert your changes first: removing an address reloads the vendor, which would drop them.</source>
        <translation>Guarde o revierta primero sus cambios: eliminar una dirección vuelve a cargar el proveedor, lo que los descartaría.</translation>
    </message>
    <message>
        <source>Select the address to remove in the list first.</source>
        <translation>Seleccione primero en la lista la dirección que quiere eliminar.</translation>
    </message>
    <message>
        <source>This address was added in the panel and is not saved: use the panel&apos;s Delete to drop it.</source>
        <translation>Esta dirección se añadió en el panel y no está guardada: use Eliminar en el panel para descartarla.</translation>
    </message>
    <message>
        <source>“%1”, %2</source>
        <translation>«%1», %2</translation>
    </message>
    <message>
        <source>Remove the address %1 of %2 from the database? This cannot be undone.</source>
        <translation>¿Eliminar de la base de datos la dirección %1 de %2? No se puede deshacer.</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Eliminar</translation>
    </message>
    <message>
        <source>Someone else changed or removed this address meanwhile, so nothing was removed. The panel now shows the vendor as it is.</source>
        <translation>Otra persona cambió o eliminó esta dirección mientras tanto, así que no se eliminó nada. El panel muestra ahora el proveedor tal como está.</translation>
    </message>
    <message>
        <source>Removed the address %1.</source>
        <translation>Se eliminó la dirección %1.</translation>
    </message>
    <message>
        <source>Cannot save</source>
        <translation>No se puede guardar</translation>
    </message>
    <message>
        <source>You are still adding or editing an address: press Save or Update in the panel to keep it, or Cancel to drop it, then save.</source>
        <translation>Todavía está agregando o editando una dirección: pulse Guardar o Actualizar en el panel para conservarla, o Cancelar para descartarla, y luego guarde.</translation>
    </message>
    <message>
        <source>Saved: %1 added, %2 changed.</source>
        <translation>Guardado: %1 agregadas, %2 modificadas.</translation>
    </message>
    <message>
        <source>Saved, but not shown again</source>
        <translation>Guardado, pero no se volvió a mostrar</translation>
    </message>
    <message>
        <source>%1 The vendor %2 could not be shown again: %3

The panel still shows your changes as you made them; saving again does not write them twice.</source>
        <translation>%1 No se pudo volver a mostrar el proveedor %2: %3

El panel sigue mostrando sus cambios tal como los hizo; guardar de nuevo no los escribe dos veces.</translation>
    </message>
    <message>
        <source>Revert</source>
        <translation>Revertir</translation>
    </message>
    <message>
        <source>Drop your unsaved changes to %1?</source>
        <translation>¿Descartar sus cambios sin guardar en %1?</translation>
    </message>
    <message>
        <source>Unsaved changes</source>
        <translation>Cambios sin guardar</translation>
    </message>
    <message>
        <source>You are still adding or editing an address of %1. Drop what you typed there, and every other unsaved change?</source>
        <translation>Todavía está agregando o editando una dirección de %1. ¿Descartar lo que escribió ahí y todos los demás cambios sin guardar?</translation>
    </message>
    <message>
        <source>You are still adding or editing an address of %1. Drop what you typed there?</source>
        <translation>Todavía está agregando o editando una dirección de %1. ¿Descartar lo que escribió ahí?</translation>
    </message>
    <message>
        <source>Your changes to %1 cannot be saved: the database is read-only. Drop them?</source>
        <translation>Sus cambios en %1 no se pueden guardar: la base de datos es de solo lectura. ¿Descartarlos?</translation>
    </message>
    <message>
        <source>Save your changes to %1?</source>
        <translation>¿Guardar sus cambios en %1?</translation>
    </message>
    <message>
        <source>Nothing else was opened: %1 stays open.</source>
        <translation>No se abrió nada más: %1 sigue abierta.</translation>
    </message>
</context>
<context>
    <name>VendorContactHost::VendorListPane</name>
    <message>
        <source>Search vendors</source>
        <translation>Buscar proveedores</translation>
    </message>
    <message>
        <source>Filters the list by name or city; click a vendor or press Enter to open it.</source>
        <translation>Filtra la lista por nombre o ciudad; haga clic en un proveedor o pulse Intro para abrirlo.</translation>
    </message>
    <message>
        <source>&amp;Vendors</source>
        <translation>&amp;Proveedores</translation>
    </message>
    <message>
        <source>Vendors</source>
        <translation>Proveedores</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Vendor %1</source>
        <translation>Proveedor %1</translation>
    </message>
</context>
<context>
    <name>VendorDatabase</name>
    <message>
        <source>a NUL character</source>
        <translation>un carácter NUL</translation>
    </message>
    <message>
        <source>a broken character (a lone UTF-16 surrogate)</source>
        <translation>un carácter roto (un sustituto UTF-16 aislado)</translation>
    </message>
    <message>
        <source>%1 is %2 where a whole number from -32768 to 32767 is expected.</source>
        <translation>%1 es %2 donde se espera un número entero de -32768 a 32767.</translation>
    </message>
    <message>
        <source>%1 is NULL where text is expected; correct it in the database first.</source>
        <translation>%1 es NULL donde se espera texto; corríjalo antes en la base de datos.</translation>
    </message>
    <message>
        <source>the local socket</source>
        <translation>el socket local</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a database address of the form postgresql://user@host[:port]/dbname (the password comes from PGPASSWORD or ~/.pgpass, never the command line).</source>
        <translation>«%1» no es una dirección de base de datos de la forma postgresql://user@host[:port]/dbname (la contraseña se toma de PGPASSWORD o ~/.pgpass, nunca de la línea de órdenes).</translation>
    </message>
    <message>
        <source>The SQLite database needs a file name: sqlite:PATH.</source>
        <translation>La base de datos SQLite necesita un nombre de archivo: sqlite:RUTA.</translation>
    </message>
    <message>
        <source>%1 failed.</source>
        <translation>%1 falló.</translation>
    </message>
    <message>
        <source>Preparing the save</source>
        <translation>Preparación del guardado</translation>
    </message>
    <message>
        <source>The connection is not open.</source>
        <translation>La conexión no está abierta.</translation>
    </message>
    <message>
        <source>The vendor database has no place of its own: %1. Name one with --database.</source>
        <translation>La base de datos de proveedores no tiene un lugar propio: %1. Indique uno con --database.</translation>
    </message>
    <message>
        <source>Nothing was removed: %1</source>
        <translation>No se eliminó nada: %1</translation>
    </message>
    <message>
        <source>Nothing was saved: %1</source>
        <translation>No se guardó nada: %1</translation>
    </message>
    <message>
        <source>Nothing was saved: address %1 (%2), field %3, holds %4, which cannot be stored. Remove it and save again.</source>
        <translation>No se guardó nada: la dirección %1 (%2), campo %3, contiene %4, que no se puede almacenar. Elimínelo y vuelva a guardar.</translation>
    </message>
    <message>
        <source>Nothing was saved: another program is using %1. Try again in a moment.</source>
        <translation>No se guardó nada: otro programa está usando %1. Vuelva a intentarlo en un momento.</translation>
    </message>
    <message>
        <source>Checking whether the save was completed</source>
        <translation>Comprobación de si se completó el guardado</translation>
    </message>
    <message>
        <source>Counting the addresses</source>
        <translation>Recuento de las direcciones</translation>
    </message>
    <message>
        <source>Nothing was saved: vendor %1 would have %2 addresses, more than the %3 one vendor can have. Delete some addresses or add them to another vendor.</source>
        <translation>No se guardó nada: el proveedor %1 tendría %2 direcciones, más de las %3 que puede tener un proveedor. Elimine algunas direcciones o agréguelas a otro proveedor.</translation>
    </message>
    <message>
        <source>Adding address %1</source>
        <translation>Adición de la dirección %1</translation>
    </message>
    <message>
        <source>The database gave no id for the new address %1.</source>
        <translation>La base de datos no dio ningún ID a la nueva dirección %1.</translation>
    </message>
    <message>
        <source>Recording the save</source>
        <translation>Registro del guardado</translation>
    </message>
    <message>
        <source>Completing the save</source>
        <translation>Finalización del guardado</translation>
    </message>
    <message>
        <source>%1 holds bytes that are not UTF-8 text, which the control cannot show as they are; correct it in the database first.</source>
        <translation>%1 contiene bytes que no son texto UTF-8, que el control no puede mostrar tal cual; corríjalo primero en la base de datos.</translation>
    </message>
    <message>
        <source>Reading the vendors</source>
        <translation>Lectura de los proveedores</translation>
    </message>
    <message>
        <source>The name of vendor %1</source>
        <translation>El nombre del proveedor %1</translation>
    </message>
    <message>
        <source>Reading the vendor</source>
        <translation>Lectura del proveedor</translation>
    </message>
    <message>
        <source>There is no vendor %1 in the %2.</source>
        <translation>No hay ningún proveedor %1 en: %2.</translation>
    </message>
    <message>
        <source>Reading the contact types</source>
        <translation>Lectura de los tipos de contacto</translation>
    </message>
    <message>
        <source>Contact type %1, column %2</source>
        <translation>Tipo de contacto %1, columna %2</translation>
    </message>
    <message>
        <source>Reading the states</source>
        <translation>Lectura de los estados</translation>
    </message>
    <message>
        <source>State %1, column %2</source>
        <translation>Estado %1, columna %2</translation>
    </message>
    <message>
        <source>Address %1, column %2</source>
        <translation>Dirección %1, columna %2</translation>
    </message>
    <message>
        <source>Reading the addresses</source>
        <translation>Lectura de las direcciones</translation>
    </message>
    <message>
        <source>Qt&apos;s %1 database driver is not installed (scripts/install-deps.sh installs it).</source>
        <translation>El controlador de base de datos %1 de Qt no está instalado (scripts/install-deps.sh lo instala).</translation>
    </message>
    <message>
        <source>Reading the tables</source>
        <translation>Lectura de las tablas</translation>
    </message>
    <message>
        <source>%1 is not a vendor database (it has no table %2). It was left as it is.</source>
        <translation>%1 no es una base de datos de proveedores (no tiene la tabla %2). Se dejó tal como estaba.</translation>
    </message>
    <message>
        <source>Preparing the tables</source>
        <translation>Preparación de las tablas</translation>
    </message>
    <message>
        <source>database %1 on %2</source>
        <translation>base de datos %1 en %2</translation>
    </message>
    <message>
        <source>PostgreSQL database %1 on %2 as %3</source>
        <translation>base de datos PostgreSQL %1 en %2 como %3</translation>
    </message>
    <message>
        <source>The PostgreSQL database %1 on %2 cannot be reached.</source>
        <translation>No se puede acceder a la base de datos PostgreSQL %1 en %2.</translation>
    </message>
    <message>
        <source>The connection to the PostgreSQL database %1 on %2 was lost and could not be re-opened.</source>
        <translation>Se perdió la conexión con la base de datos PostgreSQL %1 en %2 y no se pudo volver a abrir.</translation>
    </message>
    <message>
        <source>Starting the save</source>
        <translation>Inicio del guardado</translation>
    </message>
    <message>
        <source>Saving the addresses</source>
        <translation>Guardando las direcciones</translation>
    </message>
    <message>
        <source>Cannot listen for changes in the %1.</source>
        <translation>No se pueden seguir los cambios en: %1.</translation>
    </message>
    <message>
        <source>Looking for changes</source>
        <translation>Buscando cambios</translation>
    </message>
    <message>
        <source>SQLite file %1</source>
        <translation>archivo SQLite %1</translation>
    </message>
    <message>
        <source>The folder %1 does not exist, so there is no vendor database %2. Nothing was created.</source>
        <translation>La carpeta %1 no existe, así que no hay ninguna base de datos de proveedores %2. No se creó nada.</translation>
    </message>
    <message>
        <source>There is no vendor database %1. Nothing was created.</source>
        <translation>No hay ninguna base de datos de proveedores %1. No se creó nada.</translation>
    </message>
    <message>
        <source>The folder %1 could not be created.</source>
        <translation>No se pudo crear la carpeta %1.</translation>
    </message>
    <message>
        <source>The new database %1 could not be created.</source>
        <translation>No se pudo crear la base de datos nueva %1.</translation>
    </message>
    <message>
        <source>The file %1 is empty: it is not a vendor database.</source>
        <translation>El archivo %1 está vacío: no es una base de datos de proveedores.</translation>
    </message>
    <message>
        <source>%1 is not a file, so it is not a vendor database.</source>
        <translation>%1 no es un archivo, así que no es una base de datos de proveedores.</translation>
    </message>
    <message>
        <source>The file %1 is read-only.</source>
        <translation>El archivo %1 es de solo lectura.</translation>
    </message>
    <message>
        <source>The folder of %1 cannot be written to.</source>
        <translation>No se puede escribir en la carpeta de %1.</translation>
    </message>
    <message>
        <source>The file %1 could not be opened.</source>
        <translation>No se pudo abrir el archivo %1.</translation>
    </message>
    <message>
        <source>Reading the file</source>
        <translation>Lectura del archivo</translation>
    </message>
    <message>
        <source>Checking the file</source>
        <translation>Comprobación del archivo</translation>
    </message>
    <message>
        <source>The file %1 is not a vendor database. It was left as it is.</source>
        <translation>El archivo %1 no es una base de datos de proveedores. Se dejó tal como estaba.</translation>
    </message>
    <message>
        <source>The vendor database %1 is damaged. It was left as it is.</source>
        <translation>La base de datos de proveedores %1 está dañada. Se dejó tal como estaba.</translation>
    </message>
    <message>
        <source>Reading the journal mode</source>
        <translation>Lectura del modo de registro</translation>
    </message>
    <message>
        <source>Switching to the write-ahead log</source>
        <translation>Cambio al registro de escritura anticipada</translation>
    </message>
    <message>
        <source>Saving address %1</source>
        <translation>Guardado de la dirección %1</translation>
    </message>
    <message>
        <source>Searching the vendors</source>
        <translation>Búsqueda de proveedores</translation>
    </message>
</context>
</TS>
