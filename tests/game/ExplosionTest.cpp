// Sparks of a burst block, and the effect list that runs them.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

#include "game/EffectList.h"
#include "game/Explosion.h"

TEST(ExplosionTest, SparksTakeTheTintOfTheBlock) {
  std::srand(7);
  Explosion red;
  red.AddParticles(128, kRed);
  red.AddParticles(10, kRed);
  ASSERT_EQ(red.count, Explosion::kMaxParticles) << "never more than 128";
  for (std::uint32_t index = 0; index < red.count; ++index) {
    const Explosion::Particle& spark = red.ParticleAt(index);
    EXPECT_GE(spark.colour[0], 0.7f);
    EXPECT_LE(spark.colour[1], 0.3f);
    EXPECT_LE(spark.colour[2], 0.3f);
    EXPECT_GE(spark.life, 500.0);
    EXPECT_LE(spark.life, 600.0);
  }
  Explosion goody;
  goody.AddParticles(128, kGoody);
  bool anyBlueish = false;
  for (std::uint32_t index = 0; index < goody.count; ++index) {
    anyBlueish = anyBlueish || goody.ParticleAt(index).colour[2] > 0.7f;
  }
  EXPECT_TRUE(anyBlueish) << "a goody's sparks come in every colour";
}

TEST(ExplosionTest, LongFramesMoveFurtherButGrowTheSame) {
  std::srand(11);
  Explosion shortFrames;
  shortFrames.AddParticles(1, kBlue);
  std::srand(11);
  Explosion longFrame;
  longFrame.AddParticles(1, kBlue);
  shortFrames.Update(10.0);
  longFrame.Update(100.0);
  const Explosion::Particle& a = shortFrames.ParticleAt(0);
  const Explosion::Particle& b = longFrame.ParticleAt(0);
  EXPECT_NEAR(b.position[0], 10.0f * a.position[0], 1e-5f);
  EXPECT_EQ(a.size, b.size);
}

TEST(ExplosionTest, BurntOutExplosionsLeaveTheEffectList) {
  EffectList& effects = EffectList::Instance();
  effects.Clear();
  auto explosion = std::make_unique<Explosion>();
  explosion->AddParticles(128, kYellow);
  effects.Add(std::move(explosion));
  effects.UpdateAll(16.0);
  EXPECT_EQ(effects.Size(), 1u);
  // Each dead spark is replaced by the last one, which waits a frame, so a few frames empty it.
  for (int frame = 0; frame < 200 && effects.Size() > 0; ++frame) {
    effects.UpdateAll(700.0);
  }
  EXPECT_EQ(effects.Size(), 0u);
}
