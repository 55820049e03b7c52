#include "app/AppConstants.h"

QString HomeSiteUrl() { return QStringLiteral(PENDULOR_HOME_SITE_URL); }
QString DonationUrl() { return QStringLiteral(PENDULOR_DONATION_URL); }
QString DownloadPageUrl() { return QStringLiteral(PENDULOR_DOWNLOAD_URL); }
QString BuildVersion() { return QStringLiteral(PENDULOR_VERSION_STRING); }
