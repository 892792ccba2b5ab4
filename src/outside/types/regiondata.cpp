#include "outside/types/regiondata.h"

// 12pt is the column gap XSL-FO gives a body that names none.
RegionData::RegionData() : m_columnGap(12.0, Xml::Length::Pt) {}
