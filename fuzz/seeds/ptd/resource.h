// resource ids
#define IDC_NAME                        1001
#define IDC_LIST  1002 // the list
  #define IDD_MAIN 100
/* #define IDC_OLD 3 */
IDC_LOOSE 7
