// The authoring library's C surface.
