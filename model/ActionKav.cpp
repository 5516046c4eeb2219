#include "model/ActionKav.h"

CActionKav::CActionKav(int number, std::string name) : number_(number), name_(std::move(name)) {}
