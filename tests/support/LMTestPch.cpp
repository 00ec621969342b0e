// Host of the precompiled headers shared by the tests of one folder.
