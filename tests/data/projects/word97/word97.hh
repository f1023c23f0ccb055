#define IDH_CONTENTS 1
#define IDH_NEW 2
#define IDH_WHATSNEW 3
#define IDH_DESIGN 4
#define T_ONE 10
