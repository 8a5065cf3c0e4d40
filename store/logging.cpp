#include "logging.h"

namespace ZebVendorContact {

Q_LOGGING_CATEGORY(lcVendorContact, "zeb.vendorcontact", QtInfoMsg)

} // namespace ZebVendorContact
