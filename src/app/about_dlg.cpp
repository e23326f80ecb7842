#include "app/about_dlg.h"

#include "res/resources.h"

CAboutDlg::CAboutDlg() : Window(*res::FindDialog(res::IDD_ABOUTBOX)) {}
