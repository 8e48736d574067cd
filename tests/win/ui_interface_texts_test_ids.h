#pragma once
#define IDD_TEXTS_TEST 600
