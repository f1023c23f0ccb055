#define RU_MAIN 1
#define RU_SETUP 2
#define RU_TERM 3
