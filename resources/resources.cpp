// The packaged files live in the resource objects of this library; this unit gives the
// library a body of its own.
