 1:55:52.16 1:55:53.20 D Billy{billy is an actor} that might have been my fault.
1:55:53.20 1:55:55.13 D Test.
