#include "checks/tstub_compression_test_support.h"

T_Stub_Compression Test_Base_Plate() {
    T_Stub_Compression T;
    Init_T_Stub_Compression(&T);
    T.plate.t = 20.0;
    T.plate.b = 300.0;
    T.plate.l = 400.0;
    T.spread_ratio = 4.0;
    T.F_c_Ed = 300000.0;
    T.c1 = 40.0;
    T.t_s = 15.0;
    T.b_s = 200.0;
    return T;
}

T_Stub_Compression Test_Flange() {
    T_Stub_Compression T;
    Init_T_Stub_Compression(&T);
    T.plate.t = 15.0;
    T.plate.b = 200.0;
    T.F_c_Ed = 50000.0;
    T.c1 = 30.0;
    T.c2 = 25.0;
    T.t_s = 10.0;
    return T;
}

