// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

#pragma once

// How the demo host looks and speaks: the control's language (its catalogs
// come with the control library) and a light or dark colour scheme.

#include <QtCore/QString>

class QMenu;
class QWidget;

namespace VendorContactHost {

/// Installs the control's catalog for a language code such as "de" or
/// "fr_CA"; an empty code means the system's language. False, with
/// `errorMessage` set, when the code names no language the control speaks
/// (it then shows English).
bool applyLanguage(const QString &code, QString *errorMessage = nullptr);

/// A menu that switches the control's language while it runs, with `code`
/// (as given to applyLanguage) checked.
QMenu *createLanguageMenu(const QString &code, QWidget *parent);

/// "light" (the platform's own palette) or "dark"; false for anything else.
bool applyColorScheme(const QString &scheme);

} // namespace VendorContactHost
