#pragma once

// Days since 1899-12-30 00:00 local time; the fraction is the time of day.
using TDateTime = double;
