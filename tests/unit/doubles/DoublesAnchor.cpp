// Anchors the test-double library; the doubles live beside it.
