// The module's version, fed into the version resource.
#pragma once

#define KFWS_VERSION_MAJOR 1
#define KFWS_VERSION_MINOR 0
#define KFWS_VERSION_PATCH 0
#define KFWS_VERSION_BUILD 377
#define KFWS_VERSION_TEXT "1,0,0,377"
#define KFWS_PRODUCT_NAME "KFWS_Airdrop"
