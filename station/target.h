#pragma once

namespace station {

// The three parts of the sample whose colours the station edits.
enum Target { Background = 0, Object = 1, Text = 2 };

} // namespace station
