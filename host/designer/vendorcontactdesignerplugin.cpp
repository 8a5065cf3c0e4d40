// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

#include "vendorcontactdesignerplugin.h"

#include <ZebVendorContact/VendorContact>

#include <QtCore/QtDebug>
#include <QtGui/QIcon>
#include <QtGui/QPixmap>

#include <exception>

namespace {

// The toolbox image: 16 by 15 pixels in colours of the 16-colour palette, an
// address card with a person and lines of text.
const char *const toolboxImage[] = {
    "16 15 6 1",
    "  c None",
    ". c #000000",
    "w c #FFFFFF",
    "b c #000080",
    "g c #808080",
    "r c #800000",
    "                ",
    "................",
    ".wwwwwwwwwwwwww.",
    ".wwwbbwwwwwwwww.",
    ".wwbbbbwwrrrrrw.",
    ".wwbbbbwwwwwwww.",
    ".wwwbbwwwgggggw.",
    ".wwwwwwwwwwwwww.",
    ".wbbbbbbwgggggw.",
    ".wbbbbbbwwwwwww.",
    ".wbbbbbbwgggwww.",
    ".wwwwwwwwwwwwww.",
    ".wwwwwwwwwwwwww.",
    "................",
    "                ",
};

} // namespace

VendorContactDesignerPlugin::VendorContactDesignerPlugin(QObject *parent)
    : QObject(parent)
{
}

QString VendorContactDesignerPlugin::name() const
{
    return QStringLiteral("ZebVendorContact::VendorContact");
}

QString VendorContactDesignerPlugin::group() const
{
    return QStringLiteral("ZebVendorContact");
}

QString VendorContactDesignerPlugin::toolTip() const
{
    //: Tooltip of the control in Designer's widget box: the library's name
    return tr("ZebVendorContact");
}

QString VendorContactDesignerPlugin::whatsThis() const
{
    //: The method names are the control's programming interface: keep them as they are
    return tr("Shows and edits the contact addresses of one vendor. The host fills it with "
              "LetVendorIDNMode and LetContactAddress and reads the changes with GetContactAddress.");
}

QString VendorContactDesignerPlugin::includeFile() const
{
    return QStringLiteral("ZebVendorContact/VendorContact");
}

QIcon VendorContactDesignerPlugin::icon() const
{
    return QIcon(QPixmap(toolboxImage));
}

bool VendorContactDesignerPlugin::isContainer() const
{
    return false;
}

QWidget *VendorContactDesignerPlugin::createWidget(QWidget *parent)
{
    // Designer and QUiLoader call this from their own code, which does not
    // expect exceptions; a control that cannot start is simply not created.
    try {
        return new ZebVendorContact::VendorContact(parent);
    } catch (const std::exception &failure) {
        qWarning().noquote() << "ZebVendorContact: the control could not be created:"
                             << QString::fromLocal8Bit(failure.what());
    }
    return nullptr;
}

bool VendorContactDesignerPlugin::isInitialized() const
{
    return m_initialized;
}

void VendorContactDesignerPlugin::initialize(QDesignerFormEditorInterface *core)
{
    // Designer itself (which passes its core) speaks the user's language, so
    // the control it previews does too. A host that builds forms at run time
    // with QUiLoader passes none: it decides about catalogs itself.
    if (core && !m_initialized)
        ZebVendorContact::loadTranslations();
    m_initialized = true;
}

QString VendorContactDesignerPlugin::domXml() const
{
    // The object name is given because Designer cannot derive a valid one
    // from a class name with a namespace.
    return QStringLiteral(R"(<ui language="c++">
 <widget class="ZebVendorContact::VendorContact" name="vendorContact"/>
 <customwidgets>
  <customwidget>
   <class>ZebVendorContact::VendorContact</class>
   <extends>QWidget</extends>
   <header location="global">ZebVendorContact/VendorContact</header>
  </customwidget>
 </customwidgets>
</ui>
)");
}
