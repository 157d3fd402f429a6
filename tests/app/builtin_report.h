// The self-test report of the built-in tool, byte for byte.
#pragma once

#include <string>

inline const std::string kBuiltinReport = std::string("TOOL|207|体温单位换算|基础计算") + "\r\n" + "LEVEL|0" + "\r\n" +
                                   "OUT|华氏温度|98.6|℉" + "\r\n" + "OUT|绝对温度|310.15|K" + "\r\n" + "VERDICT|体温正常" + "\r\n" +
                                   "DETAIL|华氏温度：98.6 ℉ 绝对温度：310.15 K " + "\r\n" + "ERRORS|0" + "\r\n";
