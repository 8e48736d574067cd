#pragma once
#define IDD_SKIN_TEST_PAGE 500
#define IDC_SKIN_TEST_LABEL 501
