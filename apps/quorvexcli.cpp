// quorvexcli: the engine without a window. Builds one fixed system (two point
// charges and a column of 30 balls on springs) under the earlier engine
// rules, advances it by one step of 0.001 s and prints it as text.
#include <iostream>
#include <set>

#include "bodies/EngineRules.h"
#include "numerics/Vect.h"
#include "systems/System.h"

int main() {
    // The top system attracts and charges nothing outside itself: its parent
    // sets stay empty for the whole run.
    std::set<Obj*> parentObjs;
    std::set<ObjC*> parentObjCs;
    System sys(1, parentObjs, parentObjCs, Vect{0, 0, 0}, Vect(3));
    // Before anything is added: the system hands its rules to its members.
    sys.setRules(EngineRules::earlier());

    // Two point charges of 1 C and 1 kg, 2 m apart on the x axis.
    sys.addObj(Vect{1, 0, 0}, Vect(3), 1.0, 0.0, false, 1.0, true);
    sys.addObj(Vect{-1, 0, 0}, Vect(3), 1.0, 0.0, false, 1.0, true);
    // A column of 30 uncharged balls 1 m apart from z = 0 up, 100 kg in all,
    // joined by springs of 100 N/m at their rest length of 1 m.
    sys.generate(Vect{0, 0, 0}, Vect{1, 1, 30}, 1.0, 100.0, 0, 100.0, false, 0.0, true, Vect(3));
    std::cout << "GENERATED" << std::endl;

    sys.update(0.001);
    sys.cdisp(std::cout);
    std::cout << "---EXIT---" << std::endl;
    return 0;
}
